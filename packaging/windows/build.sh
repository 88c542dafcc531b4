#!/bin/bash
# Builds Numora for Windows on Debian 12: Qt for Windows from Debian's own
# qt6-base source (once, into a cache outside the work tree), then Numora with
# mingw-w64, a staged folder, numora-<version>-setup.exe and
# numora-<version>-windows.zip.
#
#   packaging/windows/build.sh [--qt-only]
#
# NUMORA_WINDOWS_BUILD  build folder (default: <repo>/build-windows)
# NUMORA_JOBS           parallel build jobs (default: the number of cores)
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=../../tools/packages.sh
. "$repo/tools/packages.sh"

build=${NUMORA_WINDOWS_BUILD:-$repo/build-windows}
jobs=${NUMORA_JOBS:-$(nproc)}
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/numora
toolchain=$here/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32

passed=0
failed=0
step() {  # step NAME COMMAND...: runs one stage, counting it
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    if "$@"; then
        passed=$((passed + 1))
        echo "== $name: done in $((SECONDS - start)) s"
    else
        failed=$((failed + 1))
        echo "== $name: FAILED after $((SECONDS - start)) s" >&2
        echo "$passed passed, $failed failed"
        exit 1
    fi
}

# --- Qt's source, through a private apt configuration ----------------------
# The machine's apt sources usually carry only "deb" entries. The matching
# "deb-src" entries are derived at run time from those sources, so no archive
# is named here, and the machine's own apt state is left untouched.
write_source_entries() {  # prints one-line deb-src entries
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] || continue
        awk '
            function flush() {
                if (types ~ /(^|[ \t])deb([ \t]|$)/ && uris != "" && suites != "" && enabled != "no") {
                    n = split(uris, u, /[ \t]+/); m = split(suites, s, /[ \t]+/)
                    opt = signed != "" ? " [signed-by=" signed "]" : ""
                    for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
                        if (u[i] != "" && s[j] != "") print "deb-src" opt " " u[i] " " s[j] " " comps
                }
                types = uris = suites = comps = signed = enabled = ""
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            {
                key = tolower($1); sub(/:$/, "", key)
                val = $0; sub(/^[^:]*:[ \t]*/, "", val); sub(/[ \t]+$/, "", val)
                if (key == "types") types = val
                else if (key == "uris") uris = val
                else if (key == "suites") suites = val
                else if (key == "components") comps = val
                else if (key == "signed-by") signed = val
                else if (key == "enabled") enabled = tolower(val)
            }
            END { flush() }
        ' "$f"
    done
    # One-line form: each "deb" line with its options, turned into "deb-src".
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$f" ] || continue
        sed -n 's/^[ \t]*deb\([ \t]\)/deb-src\1/p' "$f"
    done
}

apt_private() {  # apt-get with the private source list, lists and caches
    local dir=$cache_root/apt
    apt-get -o Dir::Etc::sourcelist="$dir/sources.list" -o Dir::Etc::sourceparts=- \
        -o Dir::State::Lists="$dir/lists" -o Dir::Cache="$dir/cache" \
        -o APT::Sandbox::User=root "$@"
}

fetch_qt_source() {
    local dir=$cache_root/apt
    [ -d "$qt_src" ] && return 0
    mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial" "$cache_root/src"
    write_source_entries >"$dir/sources.list"
    if ! [ -s "$dir/sources.list" ]; then
        echo "No apt source of this machine gives a deb-src entry." >&2
        return 1
    fi
    apt_private update -qq || return 1
    (cd "$cache_root/src" && apt_private source -qq "qt6-base=$qt_version_debian") || return 1
    [ -d "$qt_src" ]
}

# --- Qt for Windows ---------------------------------------------------------
# Only what Numora uses: Core, Gui, Widgets, the windows platform plugin and
# the windowsvista style. Why each feature is off:
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DQT_GENERATE_SBOM=OFF
    # The program's own code and the build machine's Qt tools (moc, rcc, uic)
    # are the same version.
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # Not used by Numora: its download goes through WinHTTP, not QtNetwork.
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    # D-Bus is a Linux desktop bus; the Windows accessibility bridge is UIA.
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    # Debian's dfsg source lacks the Wintab header the tablet support needs.
    -DFEATURE_tabletevent=OFF
    # The pictures are BMP and PNG; no other image format is read.
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    # Qt Test is not needed: the tests that run under Wine use GoogleTest.
    -DFEATURE_testlib=OFF
    # Libraries Windows does not have: Qt's bundled copies.
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
    # OpenGL stays on: Qt 6.4.2's windows platform plugin does not compile
    # without it (QOpenGLStaticContext in qwindowswindow.cpp).
)

qt_source_version() {  # the Debian version of qt6-base this machine uses
    dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null
}

set_qt_paths() {
    qt_version_debian=$(qt_source_version)
    if [ -z "$qt_version_debian" ]; then
        echo "qt6-base-dev is not installed." >&2
        return 1
    fi
    qt_version=${qt_version_debian%%+*}
    qt_version=${qt_version%%-*}
    local key
    key=$(printf '%s\n' "$qt_version_debian" "${qt_options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
    qt_prefix=$cache_root/qt-windows-$qt_version-$key
    local upstream=${qt_version_debian#*:}
    qt_src=$cache_root/src/qt6-base-${upstream%-*}
}

build_qt() {
    if [ -f "$qt_prefix/.complete" ]; then
        echo "Qt for Windows is ready in $qt_prefix"
        return 0
    fi
    fetch_qt_source || return 1
    local qt_build=$cache_root/build-$(basename "$qt_prefix")
    mkdir -p "$qt_build"
    cmake -S "$qt_src" -B "$qt_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        "${qt_options[@]}" >"$qt_build/configure.log" 2>&1 || {
        tail -40 "$qt_build/configure.log" >&2
        return 1
    }
    nice -n 10 cmake --build "$qt_build" --parallel "$jobs" || return 1
    cmake --install "$qt_build" >"$qt_build/install.log" || return 1
    # The configure summary stays with the build; the 1.4 GB build tree goes.
    cp "$qt_build/configure.log" "$qt_prefix/configure.log" || return 1
    touch "$qt_prefix/.complete"
    rm -rf "$qt_build"
}

# --- GoogleTest for Windows, from Debian's googletest source ----------------
build_gtest() {
    local src=/usr/src/googletest
    [ -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ] && return 0
    cmake -S "$src" -B "$build/gtest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF \
        -DINSTALL_GTEST=ON >"$build/gtest.log" 2>&1 || { tail -20 "$build/gtest.log" >&2; return 1; }
    nice -n 10 cmake --build "$build/gtest" --parallel "$jobs" >>"$build/gtest.log" 2>&1 \
        && cmake --install "$build/gtest" >>"$build/gtest.log" 2>&1 || { tail -20 "$build/gtest.log" >&2; return 1; }
}

# --- Numora -----------------------------------------------------------------
build_numora() {
    # The tests are found at test time, under Wine, not run at build time.
    cmake -S "$repo" -B "$build/numora" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt_prefix;$gtest_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine.sh" \
        >"$build/numora-configure.log" 2>&1 || { tail -30 "$build/numora-configure.log" >&2; return 1; }
    nice -n 10 cmake --build "$build/numora" --parallel "$jobs"
}

# --- The folder that is installed, and zipped --------------------------------
stage() {
    local dir=$stage_dir gcc_lib=/usr/lib/gcc/$triplet/12-posix
    rm -rf "$dir" && mkdir -p "$dir"/{platforms,styles,numpic,translations,fonts,licences} || return 1
    cp "$build/numora/numora.exe" "$dir/" || return 1
    cp "$qt_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$dir/" || return 1
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$dir/platforms/" || return 1
    cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$dir/styles/" || return 1
    # The GCC runtime of the -posix tool chain the program was built with.
    cp "$gcc_lib/libgcc_s_seh-1.dll" "$gcc_lib/libstdc++-6.dll" "/usr/$triplet/lib/libwinpthread-1.dll" "$dir/" || return 1
    # The program looks for <its folder>/numpic/pno<n>.bmp.
    cp "$repo"/numpic/* "$dir/numpic/" || return 1
    # Numora's own translations are inside the executable; Qt's (its OK
    # button) come from Debian's qt6-translations-l10n, found through qt.conf.
    cp /usr/share/qt6/translations/qtbase_*.qm "$dir/translations/" || return 1
    cat >"$dir/qt.conf" <<'CONF' || return 1
[Paths]
Prefix = .
Plugins = .
Translations = translations
CONF
    # Windows has neither the decorative font of the designs nor Liberation
    # Sans; the program loads what is in fonts/.
    cp /usr/share/fonts/truetype/klaudia-berenika/Berenika.ttf \
        /usr/share/fonts/truetype/klaudia-berenika/Berenika-Bold.ttf \
        /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf \
        /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf "$dir/fonts/" || return 1
    # What the licences of the shipped parts ask for: their texts.
    cp "$repo/LICENSE" "$dir/licences/Numora.txt" || return 1
    cp /usr/share/doc/fonts-klaudia-berenika/copyright "$dir/licences/Berenika.txt" || return 1
    cp /usr/share/doc/fonts-liberation2/copyright "$dir/licences/Liberation.txt" || return 1
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dir/licences/GCC-runtime.txt" || return 1
    cp /usr/share/doc/mingw-w64-common/copyright "$dir/licences/mingw-w64.txt" || return 1
    cp "$qt_src/debian/copyright" "$dir/licences/Qt.txt" || return 1
    local l
    for l in LGPL-3.0-only GPL-2.0-only GPL-3.0-only; do
        [ -f "$qt_src/LICENSES/$l.txt" ] && { cp "$qt_src/LICENSES/$l.txt" "$dir/licences/Qt-$l.txt" || return 1; }
    done
    # No debugging symbols in what players download (Debian's libstdc++ DLL
    # alone carries 20 MB of them).
    find "$dir" \( -iname '*.exe' -o -iname '*.dll' \) -exec "$triplet-strip" --strip-unneeded {} + || return 1
    check_imports
}

# Every DLL a staged binary imports is staged too, or is one of Windows' own
# (Wine's built-in DLLs stand for those, and API sets, api-ms-win-*, are
# Windows' by name): a missing one would stop the program before its first
# window on a player's machine.
check_imports() {
    local system=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows bad=0 pe dll
    while IFS= read -r -d '' pe; do
        while read -r dll; do
            case ${dll,,} in api-ms-win-* | ext-ms-win-*) continue ;; esac
            find "$stage_dir" -maxdepth 1 -iname "$dll" | grep -q . && continue
            [ -n "$(find "$system" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
            echo "${pe#"$stage_dir"/} needs $dll, which is neither staged nor part of Windows" >&2
            bad=1
        done < <("$triplet-objdump" -p "$pe" | sed -n 's/^[[:space:]]*DLL Name: //p')
    done < <(find "$stage_dir" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    return $bad
}

# --- The zip and the setup program -----------------------------------------
make_zip() {
    local zip=$build/numora-$version-windows.zip
    rm -f "$zip"
    (cd "$(dirname "$stage_dir")" && zip -q -r -9 -X "$zip" "$(basename "$stage_dir")")
}

# makensis has no recursive uninstall list of its own: the lists of what is
# installed, and removed again, are written from the staged folder, so the
# uninstaller removes exactly that and nothing a player put there.
write_file_lists() {
    local install=$build/nsis/install.nsh uninstall=$build/nsis/uninstall.nsh d f rel
    mkdir -p "$build/nsis" && : >"$install" && : >"$uninstall" || return 1
    while IFS= read -r d; do
        rel=${d#"$stage_dir"}
        rel=${rel#/}
        printf 'SetOutPath "$INSTDIR%s"\n' "${rel:+\\${rel//\//\\}}" >>"$install"
        while IFS= read -r f; do
            printf 'File "%s"\n' "$f" >>"$install"
            printf 'Delete "$INSTDIR\\%s"\n' "$(echo "${f#"$stage_dir"/}" | tr / '\\')" >>"$uninstall"
        done < <(find "$d" -maxdepth 1 -type f | sort)
    done < <(find "$stage_dir" -type d | sort)
    # Folders deepest first, each only once it is empty.
    while IFS= read -r d; do
        rel=${d#"$stage_dir"/}
        printf 'RMDir "$INSTDIR\\%s"\n' "$(echo "$rel" | tr / '\\')" >>"$uninstall"
    done < <(find "$stage_dir" -mindepth 1 -type d | sort -r)
}

make_setup() {
    write_file_lists || return 1
    local size_kb
    size_kb=$(du -sk "$stage_dir" | cut -f1)
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION_MAJOR="${version%%.*}" \
        -DSTAGE="$stage_dir" -DLISTS="$build/nsis" -DICON="$build/numora/app/numora.ico" \
        -DSIZE_KB="$size_kb" -DOUTFILE="$build/numora-$version-setup.exe" "$here/numora.nsi"
}

project_version() {
    sed -n 's/^project(numora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt"
}

main() {
    local start=$SECONDS
    mkdir -p "$build" || exit 1
    version=$(project_version)
    gtest_prefix=$build/gtest-install
    stage_dir=$build/stage/Numora
    step "Debian packages" numora_install_missing $NUMORA_WINDOWS_PACKAGES
    step "Qt's version" set_qt_paths
    step "Qt for Windows" build_qt
    if [ "${1:-}" = --qt-only ]; then
        echo "$passed passed, $failed failed"
        return 0
    fi
    step "GoogleTest for Windows" build_gtest
    step "Numora for Windows" build_numora
    step "The staged folder" stage
    step "numora-$version-windows.zip" make_zip
    step "numora-$version-setup.exe" make_setup
    ls -l "$build/numora-$version-setup.exe" "$build/numora-$version-windows.zip"
    echo "Everything in $((SECONDS - start)) s"
    echo "$passed passed, $failed failed"
}

main "$@"
