# Where a window and its window manager's frame stand on an X desktop.
# Source it; frame_centred WIN sets x, y, w, h (the client area) and l, r, t, b
# (the frame's extents), and succeeds when the outer frame is centred on the
# root window.

frame_centred() {
  local info root_w root_h
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //; s/,//gp')
  [ -n "${b:-}" ] || return 1
  read -r root_w root_h < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  [ $((x - l)) -eq $(((root_w - w - l - r) / 2)) ] && [ $((y - t)) -eq $(((root_h - h - t - b) / 2)) ]
}
