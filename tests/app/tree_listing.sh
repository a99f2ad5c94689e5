# Sourced by the command-line tests: a folder as text that changes with any
# file's bytes and any entry's name.
tree_listing() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum; find . | sort); }

# Quiet and true when DIR lists as the saved LISTING; else prints the first
# differences and is false.
#   same_tree DIR LISTING
same_tree() {
  local differences
  differences=$(tree_listing "$1" | diff - "$2" | head || true)
  [ -z "$differences" ] && return 0
  echo "$differences"
  return 1
}
