#!/usr/bin/env bash
# Checks the installed tree and the Debian package the way a user's system meets them.
#   pruefen.sh SCHRITT
# Environment (set by CTest): BAU (build folder), QUELLE (source folder), PROBE (scratch folder),
# VERSION (the project's version), CPACK (the cpack program), UNGEHAERTET (set when the build
# leaves Debian's hardening out).
set -uo pipefail

schritt=${1:?Aufruf: pruefen.sh SCHRITT}
wurzel="$PROBE/wurzel"
paket_ordner="$PROBE/paket"
fehler=0

falsch() {
    echo "FEHLER: $*" >&2
    fehler=$((fehler + 1))
}
# CTest counts exit code 77 as skipped.
ohne() {
    echo "übersprungen: $1 fehlt" >&2
    exit 77
}
braucht() {
    for werkzeug in "$@"; do command -v "$werkzeug" >/dev/null || ohne "$werkzeug"; done
}
fertig() {
    [ "$fehler" -eq 0 ] && echo "$schritt: in Ordnung" && exit 0
    echo "$schritt: $fehler Fehler" >&2
    exit 1
}
# With only LANG saying the language.
in_sprache() {
    local sprache=$1
    shift
    (
        unset LANGUAGE LC_ALL LC_MESSAGES
        export LANG="$sprache"
        "$@"
    )
}
# As in a terminal without any window system.
ohne_anzeige() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
}
mime_typ() {
    xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$1"
}
metainfo() {
    xmllint --xpath "string($1)" "$wurzel"/share/metainfo/*.metainfo.xml
}
paket() {
    local debs=("$paket_ordner"/*.deb)
    [ -f "${debs[0]}" ] || { echo "kein Paket in $paket_ordner" >&2; exit 1; }
    echo "${debs[0]}"
}
# The caches a direct install refreshes; a package must not carry them.
ist_cache() {
    case "$1" in
        */share/mime/packages/*) return 1 ;;
        */share/mime/*) return 0 ;;
        */share/applications/mimeinfo.cache | */icons/hicolor/icon-theme.cache) return 0 ;;
    esac
    return 1
}
# What must be in every installation, relative to the prefix; $1 is the program's folder.
pflichtdateien() {
    echo "$1/kabrolux"
    echo share/kabrolux/titel.jpg
    echo share/kabrolux/kabrolux.png
    for n in 1 2 3 4; do echo "share/kabrolux/taxis/$n.jpg"; done
    for n in $(seq 1 12); do echo "share/kabrolux/personal/$n.jpg"; done
    echo share/applications/kabrolux.desktop
    echo share/metainfo/de.kabrolux.kabrolux.metainfo.xml
    echo share/mime/packages/kabrolux.xml
    for g in 16 32 48 64 128 256; do echo "share/icons/hicolor/${g}x${g}/apps/kabrolux.png"; done
    echo share/icons/hicolor/scalable/apps/kabrolux.svg
    echo share/man/man6/kabrolux.6.gz
    echo share/man/de/man6/kabrolux.6.gz
    echo share/doc/kabrolux/copyright
    echo share/doc/kabrolux/changelog.gz
}
# The version line the program prints, and that it printed it and nothing else.
version_pruefen() {
    local programm=$1 aus err rc
    aus=$(ohne_anzeige "$programm" --version 2>"$PROBE/$schritt.err")
    rc=$?
    [ "$rc" -eq 0 ] || falsch "$programm --version endet mit $rc"
    [ "$aus" = "Kabrolux $VERSION" ] || falsch "$programm --version sagt '$aus'"
    err=$(cat "$PROBE/$schritt.err")
    [ -z "$err" ] || falsch "$programm --version meldet auf stderr: $err"
}

case "$schritt" in
einrichten)
    rm -rf "$wurzel"
    # No DESTDIR: the desktop caches are refreshed as on a user's own prefix.
    cmake --install "$BAU" --prefix "$wurzel" >"$PROBE/einrichten.log" 2>&1 ||
        { cat "$PROBE/einrichten.log" >&2; falsch "cmake --install scheitert"; }
    while read -r datei; do
        [ -f "$wurzel/$datei" ] || falsch "nicht installiert: $datei"
    done < <(pflichtdateien bin)
    fertig
    ;;

befehlszeile)
    programm="$wurzel/bin/kabrolux"
    [ -x "$programm" ] || { falsch "$programm fehlt"; fertig; }
    version_pruefen "$programm"
    kurz=$(ohne_anzeige "$programm" -v 2>/dev/null)
    [ "$kurz" = "Kabrolux $VERSION" ] || falsch "-v sagt '$kurz'"

    hilfe=$(in_sprache C ohne_anzeige "$programm" --help 2>"$PROBE/hilfe.err")
    rc=$?
    [ "$rc" -eq 0 ] || falsch "--help endet mit $rc"
    [ -s "$PROBE/hilfe.err" ] && falsch "--help meldet auf stderr: $(cat "$PROBE/hilfe.err")"
    for wort in --help --version -h -v --sprache DATEI.kbs Optionen; do
        grep -q -- "$wort" <<<"$hilfe" || falsch "--help nennt $wort nicht"
    done
    # In English from an English desktop or when asked for, in German when asked for.
    for aufruf in "en_US.UTF-8 --help" "C --sprache en --help" "C.UTF-8 --sprache=en --help"; do
        read -r sprache optionen <<<"$aufruf"
        # shellcheck disable=SC2086
        englisch=$(in_sprache "$sprache" ohne_anzeige "$programm" $optionen)
        for wort in --sprache FILE.kbs Options; do
            grep -q -- "$wort" <<<"$englisch" || falsch "LANG=$aufruf nennt $wort nicht"
        done
    done
    deutsch=$(in_sprache en_US.UTF-8 ohne_anzeige "$programm" --sprache de --help)
    grep -q DATEI.kbs <<<"$deutsch" || falsch "--sprache de gibt keine deutsche Hilfe"
    in_sprache C ohne_anzeige "$programm" --sprache fr >/dev/null 2>"$PROBE/sprache.err"
    rc=$?
    [ "$rc" -eq 2 ] || falsch "eine unbekannte Sprache endet mit $rc statt 2"
    grep -q 'fr' "$PROBE/sprache.err" || falsch "Fehlermeldung: $(cat "$PROBE/sprache.err")"

    aus=$(ohne_anzeige "$programm" --gibt-es-nicht 2>"$PROBE/falsch.err")
    rc=$?
    [ "$rc" -eq 2 ] || falsch "eine unbekannte Option endet mit $rc statt 2"
    [ -z "$aus" ] || falsch "eine unbekannte Option schreibt auf stdout: $aus"
    zeilen=$(wc -l <"$PROBE/falsch.err")
    [ "$zeilen" -eq 1 ] || falsch "eine unbekannte Option gibt $zeilen Zeilen auf stderr"
    grep -q '^kabrolux: .*gibt-es-nicht' "$PROBE/falsch.err" ||
        falsch "Fehlermeldung: $(cat "$PROBE/falsch.err")"
    fertig
    ;;

bilder)
    # Where the program looks: beside itself if a taxis folder is there, else ../share/kabrolux.
    programm="$wurzel/bin/kabrolux"
    [ -d "$wurzel/bin/taxis" ] && falsch "Bilder liegen neben dem Programm, nicht unter share"
    ordner="$wurzel/bin/../share/kabrolux"
    jpeg=$(printf '\377\330\377' | od -An -tx1)
    png=$(printf '\211PNG' | od -An -tx1)
    for datei in titel.jpg taxis/{1..4}.jpg personal/{1..12}.jpg kabrolux.png; do
        if [ ! -s "$ordner/$datei" ]; then
            falsch "Bild fehlt: $ordner/$datei"
            continue
        fi
        case "$datei" in *.jpg) erwartet=$jpeg n=3 ;; *) erwartet=$png n=4 ;; esac
        [ "$(head -c $n "$ordner/$datei" | od -An -tx1)" = "$erwartet" ] ||
            falsch "$datei ist kein ${datei##*.}-Bild"
    done

    # Started for real on the offscreen platform: it must still be running after three
    # seconds and have said nothing. Its autosave folder is made, in a state folder of its own.
    laufzeit=$(mktemp -d)
    env -u DISPLAY -u WAYLAND_DISPLAY -u KABROLUX_BILDER QT_QPA_PLATFORM=offscreen \
        XDG_RUNTIME_DIR="$laufzeit" XDG_STATE_HOME="$laufzeit/state" \
        timeout 3 "$programm" >"$PROBE/start.out" 2>"$PROBE/start.err"
    rc=$?
    [ -d "$laufzeit/state/kabrolux" ] || falsch "kein Ordner für das automatische Sichern"
    rm -rf "$laufzeit"
    [ "$rc" -eq 124 ] || falsch "das Spiel endet nach dem Start mit $rc"
    [ -s "$PROBE/start.err" ] && falsch "das Spiel meldet beim Start: $(cat "$PROBE/start.err")"
    [ -s "$PROBE/start.out" ] && falsch "das Spiel schreibt beim Start: $(cat "$PROBE/start.out")"
    fertig
    ;;

desktop)
    braucht desktop-file-validate xmllint
    eintrag="$wurzel/share/applications/kabrolux.desktop"
    meldungen=$(desktop-file-validate "$eintrag" 2>&1) || falsch "desktop-file-validate scheitert"
    [ -z "$meldungen" ] || falsch "desktop-file-validate: $meldungen"
    typ=$(mime_typ "$wurzel/share/mime/packages/kabrolux.xml")
    grep -qx "MimeType=.*$typ;.*" "$eintrag" || falsch "der Eintrag nennt den Typ $typ nicht"
    grep -qx 'Exec=kabrolux %[fF]' "$eintrag" || falsch "Exec übergibt keine Datei"
    symbol=$(sed -n 's/^Icon=//p' "$eintrag")
    ls "$wurzel"/share/icons/hicolor/*/apps/"$symbol".* >/dev/null 2>&1 ||
        falsch "kein Symbol $symbol im hicolor-Thema"
    # German texts by default, English ones beside them.
    for feld in Name GenericName Comment Keywords GenericName[en] Comment[en] Keywords[en]; do
        grep -q "^${feld//[/\\[}=." "$eintrag" || falsch "$feld fehlt"
    done
    # The direct install registered the entry for the type.
    if command -v update-desktop-database >/dev/null; then
        grep -qx "$typ=.*kabrolux.desktop;" "$wurzel/share/applications/mimeinfo.cache" ||
            falsch "mimeinfo.cache verbindet $typ nicht mit kabrolux.desktop"
    fi
    fertig
    ;;

metainfo)
    braucht appstreamcli xmllint
    dateien=("$wurzel"/share/metainfo/*.metainfo.xml)
    [ "${#dateien[@]}" -eq 1 ] || falsch "${#dateien[@]} Metainfo-Dateien statt einer"
    datei=${dateien[0]}
    appstreamcli validate --no-net "$datei" || falsch "appstreamcli validate scheitert"
    id=$(metainfo /component/id)
    [ "$(basename "$datei")" = "$id.metainfo.xml" ] || falsch "Dateiname passt nicht zu $id"
    start=$(metainfo '/component/launchable[@type="desktop-id"]')
    [ -f "$wurzel/share/applications/$start" ] || falsch "launchable $start ist nicht installiert"
    binaer=$(metainfo /component/provides/binary)
    [ -x "$wurzel/bin/$binaer" ] || falsch "provides nennt $binaer, das nicht installiert ist"
    typ=$(mime_typ "$wurzel/share/mime/packages/kabrolux.xml")
    [ "$(metainfo /component/provides/mediatype)" = "$typ" ] || falsch "mediatype ist nicht $typ"
    neueste=$(metainfo '/component/releases/release[1]/@version')
    [ "$neueste" = "$VERSION" ] || falsch "neueste Ausgabe $neueste, das Programm ist $VERSION"
    [ -n "$(metainfo '/component/summary[@xml:lang="de"]')" ] || falsch "keine deutsche Summary"
    [ -n "$(metainfo '/component/description/p[@xml:lang="de"]')" ] ||
        falsch "keine deutsche Beschreibung"
    # Every screenshot is one of the README's pictures, at its real size.
    n=$(xmllint --xpath 'count(//screenshot/image)' "$datei")
    [ "$n" -ge 1 ] || falsch "keine Bildschirmfotos"
    for i in $(seq 1 "$n"); do
        url=$(metainfo "(//screenshot/image)[$i]")
        bild="$QUELLE/docs/screens/$(basename "$url")"
        [ -f "$bild" ] || { falsch "$url ist kein Bild in docs/screens"; continue; }
        groesse=$(od -An -tu1 -j16 -N8 "$bild" |
                  awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
        angabe="$(metainfo "(//screenshot/image)[$i]/@width")x$(metainfo "(//screenshot/image)[$i]/@height")"
        [ "$groesse" = "$angabe" ] || falsch "$(basename "$bild") ist $groesse, angegeben $angabe"
    done
    fertig
    ;;

mime)
    braucht xmllint update-mime-database
    paketdatei="$wurzel/share/mime/packages/kabrolux.xml"
    xmllint --noout "$paketdatei" || falsch "xmllint lehnt $paketdatei ab"
    typ=$(mime_typ "$paketdatei")
    [ -n "$typ" ] || falsch "kein Typ in $paketdatei"
    # A database of this file alone; in XDG_DATA_DIRS, so the tool has nothing to remark.
    daten="$PROBE/mimedaten"
    rm -rf "$daten" && mkdir -p "$daten/mime/packages" && cp "$paketdatei" "$daten/mime/packages/"
    meldungen=$(XDG_DATA_DIRS="$daten" update-mime-database "$daten/mime" 2>&1) ||
        falsch "update-mime-database scheitert"
    [ -z "$meldungen" ] || falsch "update-mime-database: $meldungen"
    grep -qx "[0-9]*:$typ:\*\.kbs" "$daten/mime/globs2" || falsch "*.kbs gehört nicht zu $typ"
    # An English comment by default and a German one.
    for sprache in "not(@xml:lang)" "@xml:lang='de'"; do
        [ -n "$(xmllint --xpath "string(//*[local-name()='comment'][$sprache])" \
                 "$daten/mime/$typ.xml")" ] || falsch "keine Beschreibung mit $sprache"
    done
    # The direct install built the database of its prefix.
    [ -f "$wurzel/share/mime/$typ.xml" ] || falsch "die Installation hat die MIME-Datenbank nicht erneuert"
    fertig
    ;;

destdir)
    # A staged install (as for a package) leaves the caches to the system.
    ziel="$PROBE/destdir"
    rm -rf "$ziel"
    DESTDIR="$ziel" cmake --install "$BAU" --prefix /usr >"$PROBE/destdir.log" 2>&1 ||
        { cat "$PROBE/destdir.log" >&2; falsch "cmake --install mit DESTDIR scheitert"; }
    [ -f "$ziel/usr/share/mime/packages/kabrolux.xml" ] || falsch "MIME-Datei fehlt unter DESTDIR"
    while read -r datei; do
        ist_cache "$datei" && falsch "Cache unter DESTDIR: $datei"
    done < <(cd "$ziel" && find . -type f)
    fertig
    ;;

handbuch)
    braucht groff gzip
    # UTF-8 whatever the caller's locale, so the umlauts survive man and col.
    export LC_ALL=C.UTF-8
    hilfe=$(ohne_anzeige "$wurzel/bin/kabrolux" --help)
    variablen=$(grep -rhoE '(qEnvironmentVariable|qgetenv|getenv)\("[A-Z_]+"' "$QUELLE/src" |
                grep -oE '[A-Z_]{2,}' | sort -u)
    # English in man6, German in de/man6: each with its sections, the keys under its heading
    # for them.
    while read -r ordner titel; do
        seite="$wurzel/share/man/$ordner/kabrolux.6.gz"
        gzip -t "$seite" || { falsch "$seite ist kein gzip"; continue; }
        # -ww: every warning groff knows; the page must render without one.
        meldungen=$(gzip -dc "$seite" | groff -k -ww -z -man -Tutf8 2>&1)
        [ -z "$meldungen" ] || falsch "groff ($ordner): $meldungen"
        if command -v man >/dev/null; then
            text=$(MANWIDTH=80 man --warnings -l "$seite" 2>"$PROBE/man.err" | col -b)
            [ -s "$PROBE/man.err" ] && falsch "man ($ordner): $(cat "$PROBE/man.err")"
        else
            text=$(gzip -dc "$seite" | groff -k -man -Tutf8 | col -b)
        fi
        read -r -a abschnitte <<<"$titel"
        for abschnitt in "${abschnitte[@]}"; do
            grep -qx "$abschnitt" <<<"$text" || falsch "Abschnitt $abschnitt fehlt in $ordner"
        done
        grep -q "Kabrolux $VERSION" <<<"$text" || falsch "$ordner nennt nicht Version $VERSION"
        # Every option of --help and every variable the program reads is described.
        for option in $(grep -oE -- '(^| )--?[a-z][a-z-]*' <<<"$hilfe"); do
            grep -q -- "$option" <<<"$text" || falsch "$ordner beschreibt $option nicht"
        done
        for variable in $variablen; do
            grep -q "$variable" <<<"$text" || falsch "$ordner beschreibt $variable nicht"
        done
        tasten=${abschnitte[7]} danach=${abschnitte[8]}
        for taste in 0 1 2 3 4; do
            sed -n "/^$tasten\$/,/^$danach\$/p" <<<"$text" | grep -qE "^ +$taste( |\$)" ||
                falsch "Taste $taste fehlt in $ordner"
        done
    done <<'SEITEN'
man6 NAME SYNOPSIS DESCRIPTION RULES OPTIONS FILES ENVIRONMENT KEYS EXAMPLES
de/man6 NAME ÜBERSICHT BESCHREIBUNG SPIELREGELN OPTIONEN DATEIEN UMGEBUNG TASTEN BEISPIELE
SEITEN
    fertig
    ;;

paket_bauen)
    braucht dpkg-deb dpkg-shlibdeps file
    rm -rf "$paket_ordner"
    "$CPACK" -G DEB --config "$BAU/CPackConfig.cmake" -B "$paket_ordner" \
        >"$PROBE/cpack.log" 2>&1 || { cat "$PROBE/cpack.log" >&2; falsch "cpack scheitert"; }
    debs=("$paket_ordner"/*.deb)
    [ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || falsch "cpack baut ${#debs[@]} Pakete"
    fertig
    ;;

paket_inhalt)
    braucht dpkg-deb
    deb=$(paket)
    dpkg-deb -c "$deb" >"$PROBE/inhalt" || falsch "dpkg-deb -c scheitert"
    # Files only, as paths below the prefix.
    awk '$1 ~ /^-/ {print $6}' "$PROBE/inhalt" | sed 's|^\./usr/||' | sort >"$PROBE/im_paket"
    while read -r datei; do
        grep -qx "$datei" "$PROBE/im_paket" || falsch "nicht im Paket: $datei"
    done < <(pflichtdateien games)
    while read -r datei; do
        ist_cache "/$datei" && falsch "Cache im Paket: $datei"
    done <"$PROBE/im_paket"
    # The package holds exactly what a direct install puts down, less the caches, with the
    # program in games and lintian's overrides added.
    { (cd "$wurzel" && find . -type f | sed 's|^\./||; s|^bin/kabrolux$|games/kabrolux|') |
          while read -r datei; do ist_cache "/$datei" || echo "$datei"; done
      echo share/lintian/overrides/kabrolux; } | sort >"$PROBE/installiert"
    unterschied=$(diff "$PROBE/installiert" "$PROBE/im_paket") ||
        falsch "Paket und Installation unterscheiden sich: $unterschied"
    awk '$2 != "root/root" {print $6}' "$PROBE/inhalt" | grep -q . &&
        falsch "Dateien gehören nicht root"
    grep -qE '^-rwxr-xr-x .* \./usr/games/kabrolux$' "$PROBE/inhalt" ||
        falsch "usr/games/kabrolux ist nicht ausführbar"
    fertig
    ;;

paket_kopf)
    braucht dpkg-deb dpkg readelf
    ldconfig=$(command -v ldconfig || echo /sbin/ldconfig)
    deb=$(paket)
    feld() { dpkg-deb -f "$deb" "$1"; }
    [ "$(feld Package)" = kabrolux ] || falsch "Package ist $(feld Package)"
    [ "$(feld Version)" = "$VERSION" ] || falsch "Version ist $(feld Version)"
    [ "$(feld Architecture)" = "$(dpkg --print-architecture)" ] || falsch "falsche Architektur"
    [ "$(feld Section)" = games ] || falsch "Section ist $(feld Section)"
    [ "$(feld Priority)" = optional ] || falsch "Priority ist $(feld Priority)"
    grep -qE '^.+ <[^@ ]+@[^@ ]+>$' <<<"$(feld Maintainer)" || falsch "Maintainer: $(feld Maintainer)"
    [ "$(feld Homepage)" = "$(metainfo '/component/url[@type="homepage"]')" ] ||
        falsch "Homepage $(feld Homepage) ist nicht die der Metainfo"
    beschreibung=$(feld Description)
    [ "$(wc -l <<<"$beschreibung")" -ge 3 ] || falsch "keine lange Beschreibung"
    awk 'length > 79 {exit 1}' <<<"$beschreibung" || falsch "Beschreibung hat zu lange Zeilen"
    abhaengig=$(feld Depends)
    echo "Depends: $abhaengig"
    # One entry of Depends (alternatives included) that matches the extended regex $1.
    hat() { tr ',' '\n' <<<"$abhaengig" | sed 's/^ *//' | grep -qE "^$1( \(|\$)"; }
    for p in qt6-qpa-plugins qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6core6 \
             'libjpeg[0-9a-z-]*' 'fonts-liberation2 \| fonts-dejavu-core'; do
        hat "$p" || falsch "Depends fehlt: $p"
    done
    # Each library the program is linked against comes with a dependency on its package.
    bibliotheken=$(readelf -d "$wurzel/bin/kabrolux" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p')
    [ -n "$bibliotheken" ] || falsch "readelf findet keine Bibliotheken"
    for bibliothek in $bibliotheken; do
        pfad=$("$ldconfig" -p | awk -v b="$bibliothek" '$1 == b {print $NF; exit}')
        [ -n "$pfad" ] || { falsch "$bibliothek nicht gefunden"; continue; }
        # With merged /usr dpkg knows a library under only one of its names.
        herkunft=
        for name in "$pfad" "$(readlink -f "$pfad")" "${pfad#/usr}" "/usr$pfad"; do
            herkunft=$(dpkg -S "$name" 2>/dev/null | head -n1) && break
        done
        herkunft=${herkunft%%:*}
        [ -n "$herkunft" ] || { falsch "kein Paket liefert $pfad"; continue; }
        hat "$(sed 's/[.+]/\\&/g' <<<"$herkunft")" || falsch "Depends fehlt $herkunft (für $bibliothek)"
    done
    fertig
    ;;

paket_auspacken)
    braucht dpkg-deb
    deb=$(paket)
    ziel="$PROBE/ausgepackt"
    rm -rf "$ziel"
    dpkg-deb -x "$deb" "$ziel" || falsch "dpkg-deb -x scheitert"
    programm="$ziel/usr/games/kabrolux"
    version_pruefen "$programm"
    # The unpacked program finds its pictures where it looks for them.
    [ -d "$ziel/usr/games/taxis" ] && falsch "Bilder neben dem Programm"
    for datei in titel.jpg taxis/1.jpg personal/12.jpg; do
        [ -s "$ziel/usr/games/../share/kabrolux/$datei" ] || falsch "$datei fehlt im Paket"
    done
    if command -v file >/dev/null; then
        file -b "$programm" | grep -q ', stripped' || falsch "Programm nicht gestrippt"
    fi
    fertig
    ;;

lintian)
    braucht lintian
    deb=$(paket)
    # Debian's own checker: every error, warning and unexplained remark fails; overridden
    # remarks carry their reason in paket/lintian-overrides.
    ohne_tags=()
    [ -n "${UNGEHAERTET:-}" ] &&
        ohne_tags=(--suppress-tags hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-relro)
    lintian -I --pedantic --fail-on error,warning,info "${ohne_tags[@]}" "$deb" 2>&1 |
        grep -v 'root privileges' |
        tee "$PROBE/lintian.txt"
    [ "${PIPESTATUS[0]}" -eq 0 ] || falsch "lintian bemängelt das Paket"
    fertig
    ;;

*)
    echo "unbekannter Schritt: $schritt" >&2
    exit 2
    ;;
esac
