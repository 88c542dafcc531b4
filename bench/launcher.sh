# How the start-up benchmarks start a program: sourced by startup.sh and
# instructions.sh, so that both measure the same start.
#
# bench_launcher DIR writes DIR/bin/xdg-open, a fake that only records its
# arguments in DIR/xdg-open.log, and DIR/launch, which runs "$@" with that fake
# first on PATH, "connected" in a network namespace of its own: a veth pair with
# a default route, nothing reachable. Numora then finds a route, as on a family's
# machine, and hands every address to the fake.
#
# The program's PID stays the launcher's: unshare and sh exec into it. The
# namespace is set up in a subshell, so that the forks of its commands (and of
# the wait for the carrier, which varies) are not charged to that PID. Without
# root the namespace comes inside a user namespace of its own.
bench_launcher() {
    local dir=$1 unshare="unshare -n"
    [[ $(id -u) == 0 ]] || unshare="unshare -r -n"
    mkdir -p "$dir/bin"
    cat >"$dir/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >> '$dir/xdg-open.log'
EOF
    cat >"$dir/launch" <<EOF
#!/bin/sh
PATH='$dir/bin':\$PATH; export PATH
exec $unshare sh -c '(ip link add v0 type veth peer name v1 && ip link set v0 up && ip link set v1 up \
 && ip addr add 192.0.2.2/24 dev v0 && ip route add default via 192.0.2.1 \
 && i=0 && until ip -o link show v0 | grep -q LOWER_UP; do i=\$((i+1)); [ \$i -lt 100 ] || exit 97; sleep 0.02; done) \
 && exec "\$@"' sh "\$@"
EOF
    chmod +x "$dir/bin/xdg-open" "$dir/launch"
}

# bench_programs BUILD TARGET...: the Release tree the benchmarks measure,
# configured here with the benchmarks on if it is missing, and the targets built.
bench_programs() {
    local build=$1 root
    shift
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    if [[ ! -f $build/CMakeCache.txt ]]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON >/dev/null
    elif ! grep -q '^NUMORA_BENCH:BOOL=ON' "$build/CMakeCache.txt"; then
        cmake -DNUMORA_BENCH=ON "$build" >/dev/null
    fi
    grep -q '^CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt" ||
        echo "warning: $build is not a Release build" >&2
    cmake --build "$build" --target "$@" >/dev/null
}
