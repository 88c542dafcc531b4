# Debian packages Numora needs, and a helper that installs the missing ones.
# Sourced by run.sh and test.sh.

NUMORA_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libcurl4-openssl-dev"
NUMORA_RUN_PACKAGES="qt6-qpa-plugins qt6-translations-l10n libcurl4 ca-certificates xdg-utils fonts-liberation2 fonts-klaudia-berenika"
# What the Debian package recommends: a native window on a Wayland desktop, and
# glyphs for the scripts the designed fonts lack (Arabic and Hebrew in DejaVu
# Sans, Devanagari in Lohit, Chinese, Japanese and Korean in Noto Sans CJK).
NUMORA_RECOMMENDED_PACKAGES="qt6-wayland fonts-dejavu-core fonts-lohit-deva fonts-noto-cjk"
NUMORA_TEST_PACKAGES="openbox googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick python3 openssl iproute2 util-linux clang-14 libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file lintian dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca x11-xkb-utils xkb-data sway wtype weston valgrind gnome-shell xwayland libglib2.0-bin"
# Cross-building for Windows (packaging/windows/build.sh and test.sh): the
# mingw-w64 compilers, the build machine's Qt tools of the same version as the
# qt6-base source Qt for Windows is built from, Wine to run the tests (with
# its own fonts, Tahoma among them, which Windows' dialogs use), NSIS for
# the setup program, and what the staged folder takes from Debian (qtbase's
# translations, the fonts, GoogleTest's source).
NUMORA_WINDOWS_PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev dpkg-dev wine64 fonts-wine nsis zip imagemagick googletest qt6-translations-l10n fonts-klaudia-berenika fonts-liberation2 python3 openssl xvfb xauth xdotool x11-utils iproute2"

# Install every package of "$@" that is not installed yet, saying which.
numora_install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}
