#!/bin/sh
# The update command on a copy of the sources: the committed catalogues are
# already up to date; a translation changed by hand and a message marked
# unfinished survive it as written; a new text joins every catalogue,
# unfinished, and Italian's only when it counts.
#   update.sh <source tree>
set -eu
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for room in app platform window contest clock records results; do
    cp -r "$source/$room" "$work/"
done
ts=$work/app/translations
fail() { echo "FAIL: $*"; exit 1; }

"$ts/tools/update.sh" >/dev/null 2>&1
diff -r "$source/app/translations" "$ts" || fail "the catalogues are not up to date: run app/translations/tools/update.sh"

# By hand, as a volunteer does in a text editor or Qt Linguist.
sed -i 's|<translation>Right answers</translation>|<translation>Correct answers</translation>|' "$ts/corvalesta_en.ts"
perl -0pi -e 's|(<source>Tempo scaduto.</source>\s*<translation)>|$1 type="unfinished">|' "$ts/corvalesta_de.ts"
grep -q "Correct answers" "$ts/corvalesta_en.ts" || fail "the English edit did not take"
grep -A1 "<source>Tempo scaduto.</source>" "$ts/corvalesta_de.ts" | grep -q 'type="unfinished"' ||
    fail "the German edit did not take"
cp -r "$ts" "$work/edited"
"$ts/tools/update.sh" >/dev/null 2>&1
diff -r "$work/edited" "$ts" || fail "the update changed catalogues edited by hand"

# A new text, and a new text that counts.
printf '%s\n' '#include <QCoreApplication>' \
    'QString fresh() { return QCoreApplication::translate("Nuovo", "Testo nuovo"); }' \
    'QString counted(int n) { return QCoreApplication::translate("Nuovo", "%n mele", nullptr, n); }' \
    >"$work/contest/Nuovo.cpp"
"$ts/tools/update.sh" >/dev/null 2>&1
for catalogue in "$ts"/corvalesta_*.ts; do
    name=$(basename "$catalogue")
    texts=2
    [ "$name" = corvalesta_it.ts ] && texts=1
    found=$(grep -c -e "<source>Testo nuovo</source>" -e "<source>%n mele</source>" "$catalogue" || true)
    [ "$found" = "$texts" ] || fail "$name has $found of the new texts, not $texts"
    unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
    expected=$texts
    [ "$name" = corvalesta_de.ts ] && expected=$((texts + 1))
    [ "$unfinished" = "$expected" ] || fail "$name has $unfinished unfinished messages, not $expected"
done
grep -q "Correct answers" "$ts/corvalesta_en.ts" || fail "the English edit was lost with a new text"
echo "catalogues up to date; hand edits kept; new texts unfinished in all $(ls "$ts"/corvalesta_*.ts | wc -l)"
