#!/bin/sh
# Checks of the installed suite: install_test.sh PREFIX CHECK
# PREFIX holds a `cmake --install` of the build tree; CHECK names one group of
# checks. Every check runs in a fresh scratch folder with a fake HOME.
set -u
prefix=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
export HOME="$scratch/home" QT_QPA_PLATFORM=offscreen TMPDIR="$scratch/tmp"
export XDG_RUNTIME_DIR="$scratch/runtime"
unset XDG_DATA_HOME
mkdir -p "$HOME" "$TMPDIR" "$scratch/work"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$scratch/work" || exit 1
defaults="$prefix/share/undertext/dictionaries"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_line WHAT FILE TEXT: FILE holds the line TEXT.
expect_line() {
  grep -qxF -- "$3" "$2" || { fail "$1: no line '$3' in:"; cat "$2" >&2; }
}

# expect_start WHAT FILE TEXT: some line of FILE starts with TEXT.
expect_start() {
  cut -c1-${#3} "$2" | grep -qxF -- "$3" || { fail "$1: no line starting '$3' in:"; cat "$2" >&2; }
}

# start LAUNCHER: runs it with --check-start from the current folder.
start() {
  "$prefix/bin/undertext-$1" --check-start >"$scratch/out" 2>"$scratch/err"
}

# expect_link FILE: FILE is a link to the installed module of its name.
expect_link() {
  [ "$(readlink "$1")" = "$(readlink -f "$defaults/${1##*/}")" ] || fail "$1 is no link to the default"
}

# installation_beside DIR FOLDER...: an installation in DIR with Echoscan's
# launcher, its own empty FOLDERs, and links to the real one for the rest.
installation_beside() {
  dir=$1
  shift
  for own in bin "$@"; do
    mkdir -p "$dir/$own"
  done
  for entry in "$prefix"/*; do
    [ -e "$dir/${entry##*/}" ] || ln -s "$entry" "$dir/${entry##*/}"
  done
  cp "$prefix/bin/undertext-echoscan" "$dir/bin/"
}

case "$2" in
  batch)
    "$prefix/bin/undertext" --version >"$scratch/out" 2>&1 || fail "--version failed"
    expect_line "--version" "$scratch/out" "undertext 2.1"
    # From an empty folder, with no user's folder, the installed defaults.
    "$prefix/bin/undertext" modules >"$scratch/out" 2>"$scratch/err" || fail "modules failed"
    expect_line "modules" "$scratch/out" "Default Russian module: COMMON.DIC"
    expect_line "modules" "$scratch/out" "Default English module: COMMON_E.DIC"
    expect_line "modules" "$scratch/err" "undertext: modules from $defaults"
    # The user's folder comes before the defaults, the current folder before both.
    mkdir -p "$HOME/.local/share/undertext"
    printf 'кот\r\n' | iconv -f UTF-8 -t CP1251 >"$HOME/.local/share/undertext/MY.DIC"
    "$prefix/bin/undertext" modules >"$scratch/out" 2>"$scratch/err"
    expect_start "user's folder" "$scratch/out" "$(printf 'MY.DIC\t1 words\t')"
    expect_line "user's folder" "$scratch/err" "undertext: modules from $HOME/.local/share/undertext"
    printf 'a\r\nb\r\n' >here.dic
    "$prefix/bin/undertext" modules >"$scratch/out" 2>"$scratch/err"
    expect_start "current folder" "$scratch/out" "$(printf 'here.dic\t2 words\t')"
    [ -s "$scratch/err" ] && fail "the current folder is named: $(cat "$scratch/err")"
    # A job on a text, with the installed defaults.
    rm here.dic "$HOME/.local/share/undertext/MY.DIC"
    printf 'Кот ел.' | iconv -f UTF-8 -t CP1251 >text.txt
    "$prefix/bin/undertext" embed text.txt 2>"$scratch/err" || fail "embed: $(cat "$scratch/err")"
    [ -s text.txt_EmbSortByAlf.txt ] || fail "embed wrote no reports"
    # `undertext view` starts the viewer's launcher beside it, on the file made absolute.
    beside="$scratch/beside"
    mkdir -p "$beside/bin"
    cp "$prefix/bin/undertext" "$beside/bin/"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/viewed"\n' "$scratch" >"$beside/bin/undertext-view"
    chmod +x "$beside/bin/undertext-view"
    "$beside/bin/undertext" view text.txt_EmbSortByAlf.txt 2>"$scratch/err" ||
      fail "view: $(cat "$scratch/err")"
    for _ in $(seq 50); do
      [ -s "$scratch/viewed" ] && break
      sleep 0.1
    done
    expect_line "view" "$scratch/viewed" "$PWD/text.txt_EmbSortByAlf.txt"
    ;;

  launchers)
    user="$HOME/.local/share/undertext"
    # The windows' English translation, where the installed programs look for it.
    [ -s "$prefix/share/undertext/translations/undertext_en.qm" ] || fail "no English translation"
    for program in create embed echoscan view; do
      rm -rf "$HOME/.local"
      start "$program" || fail "$program: no clean start: $(cat "$scratch/err")"
      expect_line "$program" "$scratch/out" "Start folder: $user"
      expect_line "$program" "$scratch/out" "Modules: COMMON.DIC COMMON_E.DIC"
      expect_link "$user/COMMON.DIC"
      expect_link "$user/COMMON_E.DIC"
    done

    # XDG_DATA_HOME, when set, holds the user's folder.
    (export XDG_DATA_HOME="$scratch/data" && start embed) || fail "XDG_DATA_HOME: no clean start"
    expect_line "XDG_DATA_HOME" "$scratch/out" "Start folder: $scratch/data/undertext"

    # A dangling link is replaced; a user's own module, in any letter case, stays.
    rm "$user/COMMON.DIC" "$user/COMMON_E.DIC"
    ln -s /nowhere/COMMON.DIC "$user/COMMON.DIC"
    printf 'мой\r\n' >"$user/common_e.dic"
    ln -s "$user/common_e.dic" "$user/MINE.DIC"
    start embed || fail "dangling link: no clean start"
    expect_link "$user/COMMON.DIC"
    [ -e "$user/COMMON_E.DIC" ] && fail "a default was linked beside the user's common_e.dic"
    [ "$(cat "$user/common_e.dic")" = "$(printf 'мой\r')" ] || fail "the user's module changed"
    [ "$(readlink "$user/MINE.DIC")" = "$user/common_e.dic" ] || fail "the user's link changed"
    rm "$user/COMMON.DIC"
    printf 'свой\r\n' >"$user/COMMON.DIC"
    start embed
    [ "$(cat "$user/COMMON.DIC")" = "$(printf 'свой\r')" ] || fail "the user's COMMON.DIC changed"
    rm "$user/common_e.dic"
    printf 'мой\r\n' >"$scratch/mine.dic"
    ln -s "$scratch/mine.dic" "$user/Common_E.dic"
    start embed
    [ "$(readlink "$user/Common_E.dic")" = "$scratch/mine.dic" ] ||
      fail "the user's working link in a default's name changed"

    # Started in a folder that holds a COMMON.DIC: that folder, untouched.
    mkdir "$scratch/own" && printf 'a\r\n' >"$scratch/own/COMMON.DIC"
    (cd "$scratch/own" && start create) || fail "own folder: no clean start"
    expect_line "own folder" "$scratch/out" "Start folder: $scratch/own"
    [ -e "$scratch/own/COMMON_E.DIC" ] && fail "a default was linked into the own folder"
    mkdir "$scratch/lower" && printf 'a\r\n' >"$scratch/lower/common.dic"
    (cd "$scratch/lower" && start create)
    expect_line "own folder in lower case" "$scratch/out" "Start folder: $scratch/lower"

    # No user's folder can be made: a notice, a temporary folder, removed after.
    printf 'x' >"$scratch/file"
    (export XDG_DATA_HOME="$scratch/file" && start echoscan) || fail "no user's folder: no clean start"
    grep -q "^Start folder: $TMPDIR/undertext\." "$scratch/out" || fail "no temporary folder"
    expect_line "no user's folder" "$scratch/out" "Modules: COMMON.DIC COMMON_E.DIC"
    grep -qF "Не удалось создать папку «$scratch/file/undertext»" "$scratch/err" ||
      fail "no notice: $(cat "$scratch/err")"
    [ -z "$(ls -A "$TMPDIR")" ] || fail "the temporary folder stayed: $(ls -A "$TMPDIR")"
    (export HOME='' && start embed) || fail "no HOME: no clean start"
    grep -q "^Start folder: $TMPDIR/undertext\." "$scratch/out" || fail "no HOME: no temporary folder"

    # The program's failure in the temporary folder is the launcher's: an
    # installation without its default modules (the rest linked to the real one)
    # leaves the check there with no module.
    bare="$scratch/bare"
    installation_beside "$bare" share/undertext/dictionaries
    XDG_DATA_HOME="$scratch/file" "$bare/bin/undertext-echoscan" --check-start \
      >"$scratch/out" 2>"$scratch/err"
    status=$?
    [ "$status" -eq 1 ] || fail "a failed program in the temporary folder: launcher status $status"
    grep -q "^Start folder: $TMPDIR/undertext\." "$scratch/out" || fail "bare: no temporary folder"
    [ -z "$(ls -A "$TMPDIR")" ] || fail "bare: the temporary folder stayed: $(ls -A "$TMPDIR")"

    # The temporary folder goes whole, with what the program wrote there, however
    # the program ends: a stand-in program writes its memory file, then exits with
    # 3 or waits for the launcher's SIGTERM.
    standin="$scratch/standin"
    installation_beside "$standin" libexec/undertext
    for program in "$prefix"/libexec/undertext/*; do
      printf '#!/bin/sh\nprintf x >LastPath.txt\n[ -n "${WAIT:-}" ] && exec sleep 30\nexit 3\n' \
        >"$standin/libexec/undertext/${program##*/}"
      chmod +x "$standin/libexec/undertext/${program##*/}"
    done
    XDG_DATA_HOME="$scratch/file" "$standin/bin/undertext-echoscan" >/dev/null 2>&1
    status=$?
    [ "$status" -eq 3 ] || fail "stand-in: launcher status $status, not the program's 3"
    [ -z "$(ls -A "$TMPDIR")" ] || fail "stand-in: the temporary folder stayed: $(ls -A "$TMPDIR")"
    WAIT=yes XDG_DATA_HOME="$scratch/file" "$standin/bin/undertext-echoscan" >/dev/null 2>&1 &
    launcher=$!
    for _ in $(seq 100); do
      [ -n "$(ls "$TMPDIR"/undertext.*/LastPath.txt 2>/dev/null)" ] && break
      sleep 0.1
    done
    kill -TERM "$launcher"
    wait "$launcher"
    [ -z "$(ls -A "$TMPDIR")" ] || fail "SIGTERM: the temporary folder stayed: $(ls -A "$TMPDIR")"

    # A folder named COMMON.DIC in the user's folder hides the Russian default
    # module: the check says so and fails, as it does for missing modules.
    rm -rf "$user"
    mkdir -p "$user/COMMON.DIC"
    start embed && fail "a folder COMMON.DIC: the check passed"
    grep -qF "«COMMON.DIC» в папке программы — не файл модуля словаря." "$scratch/err" ||
      fail "a folder COMMON.DIC: no message: $(cat "$scratch/err")"
    rm -rf "$user"

    # A read-only user's folder is named so (run as nobody: root may write anywhere).
    as_user() {
      if [ "$(id -u)" -eq 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi
    }
    mkdir -p "$scratch/rohome/.local/share/undertext"
    chmod 555 "$scratch/rohome/.local/share/undertext"
    chmod 755 "$scratch" "$scratch/rohome" "$scratch/rohome/.local" "$scratch/rohome/.local/share"
    chmod 1777 "$TMPDIR"
    HOME="$scratch/rohome" as_user "$prefix/bin/undertext-embed" --check-start \
      >"$scratch/out" 2>"$scratch/err"
    grep -qF "Папка «$scratch/rohome/.local/share/undertext» для модулей словарей доступна только для чтения." \
      "$scratch/err" || fail "read-only user's folder: $(cat "$scratch/err")"
    grep -q "^Start folder: $TMPDIR/undertext\." "$scratch/out" || fail "read-only: no temporary folder"
    # (Qt makes its runtime folder there for nobody.)
    [ -z "$(ls -d "$TMPDIR"/undertext.* 2>/dev/null)" ] ||
      fail "read-only: the temporary folder stayed: $(ls -A "$TMPDIR")"

    # The help and the version need no display and make no folder of modules.
    rm -rf "$HOME/.local"
    for program in create embed echoscan view; do
      for option in --help --version; do
        (unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM &&
          "$prefix/bin/undertext-$program" "$option") >"$scratch/out" 2>"$scratch/err" ||
          fail "$program $option: $(cat "$scratch/err")"
      done
      expect_line "$program --version" "$scratch/out" "undertext-$program 2.1"
      expect_line "$program --version" "$scratch/out" \
        "License GPL-3.0-or-later: GNU GPL version 3 or later."
    done
    "$prefix/bin/undertext-view" --help >"$scratch/out" 2>&1
    expect_line "view --help" "$scratch/out" "  FILE        the report or corpus summary to show"
    [ -e "$HOME/.local" ] && fail "--help or --version made the user's folder"

    # A text named relative to where the launcher starts reaches the program whole.
    fake="$scratch/fake"
    mkdir -p "$fake/bin"
    ln -s "$prefix/share" "$fake/share"
    cp "$prefix/bin/undertext-embed" "$fake/bin/"
    program_path=$(sed -n 's|^program="$here/\(.*\)"$|\1|p' "$fake/bin/undertext-embed")
    mkdir -p "$(dirname "$fake/bin/$program_path")"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@"\n' >"$fake/bin/$program_path"
    chmod +x "$fake/bin/$program_path"
    printf 'text' >given.txt
    "$fake/bin/undertext-embed" given.txt >"$scratch/out" 2>"$scratch/err"
    expect_line "a relative text" "$scratch/out" "$PWD/given.txt"
    ;;

  metadata)
    for file in "$prefix"/share/applications/*.desktop; do
      desktop-file-validate "$file" || fail "$file"
    done
    for file in "$prefix"/share/metainfo/*.xml; do
      appstreamcli validate --no-net "$file" >"$scratch/out" 2>&1 || { fail "$file"; cat "$scratch/out"; }
    done
    for name in create embed echoscan view; do
      [ -f "$prefix/share/icons/hicolor/scalable/apps/org.undertext.$name.svg" ] || fail "no $name icon"
    done
    gzip -t "$prefix/share/man/man1/undertext.1.gz" || fail "no manual page"
    ;;

  package)
    # A text file opens in Embed and Echoscan from a file manager.
    for name in embed echoscan; do
      entry="$prefix/share/applications/org.undertext.$name.desktop"
      expect_line "$name entry" "$entry" "MimeType=text/plain;"
      expect_line "$name entry" "$entry" "Exec=undertext-$name %f"
    done
    # Reports and corpus summaries open in the viewer from a file manager.
    entry="$prefix/share/applications/org.undertext.view.desktop"
    expect_line "viewer entry" "$entry" "MimeType=text/tab-separated-values;text/plain;"
    expect_line "viewer entry" "$entry" "Exec=undertext-view %f"
    expect_line "viewer entry" "$entry" "NoDisplay=false"
    [ -f "$prefix/share/metainfo/org.undertext.view.metainfo.xml" ] || fail "no viewer metainfo"
    # The licence, named wherever a user or a tool looks for it.
    expect_line "copyright" "$prefix/share/doc/undertext/copyright" \
      "SPDX-License-Identifier: GPL-3.0-or-later"
    for file in "$prefix"/share/metainfo/*.xml; do
      grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$file" ||
        fail "$file: no project_license"
    done
    gzip -dc "$prefix/share/man/man1/undertext.1.gz" >"$scratch/out"
    expect_line "manual page" "$scratch/out" ".SH COPYRIGHT"
    grep -qF 'GPL\-3.0\-or\-later' "$scratch/out" || fail "the manual page names no licence"
    # Qt's own dialogs speak Russian where the package's recommendation is installed.
    grep -q '^set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "[^"]*qt6-translations-l10n' \
      "$UNDERTEXT_BUILD_DIR/CPackConfig.cmake" || fail "qt6-translations-l10n is not recommended"
    ;;

  *)
    echo "unknown check $2" >&2
    exit 2
    ;;
esac
exit $((failures > 0))
