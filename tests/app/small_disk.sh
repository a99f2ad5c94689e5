# Sourced by the command-line tests that need a disk of their own: a tmpfs of
# SIZE mounted at $disk, with a home of the test's own beside it. Exits 77
# (skipped) without the right to mount; the caller unmounts it at its end.
#   mount_small_disk SIZE        (uses $work and $disk)
mount_small_disk() {
  mkdir -p "$disk"
  if ! mount -t tmpfs -o "size=$1" tmpfs "$disk" 2>/dev/null; then
    echo "cannot mount a tmpfs here: skipped"
    exit 77
  fi
  export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
  mkdir -p "$HOME"
}

# The photos of PHOTO_FOLDER copied into a new FOLDER.
#   copy_photos PHOTO_FOLDER FOLDER
copy_photos() {
  mkdir "$2"
  cp "$1"/*.jpg "$2/"
}
