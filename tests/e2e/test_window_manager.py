"""Under a window manager that frames the windows, each is centred frame and all:
centring the client area alone leaves the frame half a title bar too low."""

from harness import MAIN, MULT, SCREEN_H, SCREEN_W, STEP, FIRST_WINDOW, check, open_multiplication, run
import time

SLACK = 2  # pixels either way: halving odd sizes


def frame_centred(session, wid):
    deadline = time.monotonic() + STEP
    while True:
        x, y, w, h = frame = session.frame(wid)
        off = (x + w / 2 - SCREEN_W / 2, y + h / 2 - SCREEN_H / 2)
        if max(abs(off[0]), abs(off[1])) <= SLACK:
            return frame
        check(time.monotonic() < deadline, "the frame %r is off the screen's centre by %r" % (frame, off))
        time.sleep(0.05)


def test(session):
    session.start_window_manager()
    session.start(online=True)
    main = session.wait_window(MAIN, FIRST_WINDOW)
    frame = frame_centred(session, main)
    client = session.geometry(main)
    check(client[1] - frame[1] > frame[1] + frame[3] - client[1] - client[3] + 4,
          "openbox left the window without a title bar: frame %r, client %r" % (frame, client))
    session.save(session.grab(), "main-framed")
    frame_centred(session, open_multiplication(session, main))


run(test)
