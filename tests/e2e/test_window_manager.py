"""Under a window manager that frames the windows, each is centred frame and all:
centring the client area alone leaves the frame half a title bar too low."""

from harness import MAIN, SCREEN_H, SCREEN_W, FIRST_WINDOW, check, open_multiplication, run, wait_for

SLACK = 2  # pixels either way: halving odd sizes


def frame_centred(session, wid):
    def centred():
        x, y, w, h = frame = session.frame(wid)
        return frame if max(abs(x + w / 2 - SCREEN_W / 2), abs(y + h / 2 - SCREEN_H / 2)) <= SLACK else None
    return wait_for(lambda: "the frame centred on the screen; it is at %r" % (session.frame(wid),), centred)


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
