# What the comparison scripts share: qqwing installed when missing, and the
# fastest of three runs of a command. Sourced, not run.

ensure_qqwing() {
    if ! command -v qqwing >/dev/null; then
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo)
        "${sudo[@]}" apt-get install -y -qq qqwing
    fi
}

# Nanoseconds taken by the fastest of three runs of the command, its output
# thrown away.
fastest() {
    local best="" start end taken
    for _ in 1 2 3; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        taken=$((end - start))
        if [ -z "$best" ] || [ "$taken" -lt "$best" ]; then best=$taken; fi
    done
    echo "$best"
}
