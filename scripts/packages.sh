# Sourced by the setup scripts: the Debian packages the project needs and a
# function that installs whichever of them are missing.
FOLIO_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libexiv2-dev libturbojpeg0-dev
                libjpeg62-turbo-dev liblcms2-dev fonts-ipafont-gothic libgtest-dev libgmock-dev
                qt6-tools-dev qt6-l10n-tools  # lrelease builds the translations, lupdate keeps them
                locales  # locale sources: the number texts are tested under a decimal-comma locale
                file)    # the command-line tests read image sizes with it
# The sanitizer and fuzz builds: clang with its runtimes (ASan, UBSan,
# libFuzzer) and llvm-symbolizer for readable stack traces.
FOLIO_CLANG_PACKAGES=(clang libclang-rt-14-dev llvm)
# The browser tests: Debian's Chromium, the Japanese font of the pages and exiftool.
FOLIO_BROWSER_PACKAGES=(chromium fonts-ipafont-gothic libimage-exiftool-perl)
# The package check: dpkg-shlibdeps (dpkg-dev) and file are what CPack's
# Debian generator runs (dpkg-dev also has dpkg-buildflags); the validators
# of the desktop entry and metainfo; lintian, which checks the package.
FOLIO_PACKAGE_CHECK_PACKAGES=(desktop-file-utils appstream dpkg-dev file lintian)

folio_install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
