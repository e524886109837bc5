#!/usr/bin/env bash
# Brings the translatable texts of the scene, the component library, the recorder and the C++ code into
# i18n/i18n_en.ts and i18n/i18n_zh.ts. Existing translations are kept; texts that disappeared from the
# sources stay in the files marked obsolete (lrelease leaves them out), so nothing written is lost if a
# text comes back. Write the English texts into i18n/i18n_en.ts afterwards (Qt Linguist or an editor);
# the build turns both files into the compiled-in .qm files.
set -euo pipefail
cd "$(dirname "$0")/.."
sources=()
for dir in Qml LumenQuick recorder app settings cli main.cpp; do
  [ -e "$dir" ] && sources+=("$dir")
done
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
# No source locations: they change with every edit and would make the .ts files conflict needlessly.
common=(-extensions qml,js,cpp,h,ui -locations none -source-language zh_CN)
"$lupdate" "${common[@]}" -target-language en_US "${sources[@]}" -ts i18n/i18n_en.ts
"$lupdate" "${common[@]}" -target-language zh_CN "${sources[@]}" -ts i18n/i18n_zh.ts
