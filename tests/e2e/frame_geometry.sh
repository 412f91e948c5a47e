# Where a window and its window manager's frame stand on an X desktop.
# Source it; read_frame WIN sets x, y, w, h (the client area) and l, r, t, b
# (the frame's extents), and fails while the window has no frame yet.

read_frame() {
  local info
  x="" y="" w="" h="" l="" r="" t="" b=""
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  read -r x y w h < <(awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}' <<<"$info")
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //; s/,//gp')
  [ -n "$b" ]
}

# frame_centred WIN: reads the frame as read_frame does, and succeeds when
# the outer frame is centred on the root window.
frame_centred() {
  local root_w root_h
  read_frame "$1" || return 1
  read -r root_w root_h < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  [ $((x - l)) -eq $(((root_w - w - l - r) / 2)) ] && [ $((y - t)) -eq $(((root_h - h - t - b) / 2)) ]
}
