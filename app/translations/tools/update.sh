#!/bin/sh
# Brings every catalogue up to date with the program's texts and fills it
# from its table:  app/translations/tools/update.sh  (from anywhere).
# A language is a table here (xx.py) and a code in app/CMakeLists.txt.
set -eu
top=$(cd "$(dirname "$0")/../../.." && pwd)
cd "$top"
for table in app/translations/tools/*.py; do
    language=$(basename "$table" .py)
    [ "$language" = fill ] && continue
    /usr/lib/qt6/bin/lupdate app platform window contest clock records results \
        -extensions cpp,h -source-language it_IT -target-language "$language" \
        -no-obsolete -locations none -silent \
        -ts "app/translations/corvalesta_$language.ts" >/dev/null
    python3 app/translations/tools/fill.py "app/translations/corvalesta_$language.ts" "$table"
done
