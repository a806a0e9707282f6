#!/bin/sh
# Brings every catalogue up to date with the program's texts, from anywhere:
#   app/translations/tools/update.sh
# lupdate adds each new or changed text as unfinished and keeps every
# translation already made, by hand or in Qt Linguist. A language is its
# catalogue: copy a new one from corvalesta_en.ts, or let this make it:
#   app/translations/tools/update.sh pt_BR
set -eu
top=$(cd "$(dirname "$0")/../../.." && pwd)
cd "$top"
rooms="app platform window contest clock records results"
new=""
[ $# -eq 0 ] || new="app/translations/corvalesta_$1.ts"
for catalogue in app/translations/corvalesta_*.ts $new; do
    language=${catalogue#app/translations/corvalesta_}
    language=${language%.ts}
    # Italian is the source: its catalogue has only the forms of what counts.
    only=""
    [ "$language" = it ] && only=-pluralonly
    # shellcheck disable=SC2086
    /usr/lib/qt6/bin/lupdate $rooms $only -extensions cpp,h -source-language it_IT \
        -target-language "$language" -no-obsolete -locations none -silent -ts "$catalogue"
done
