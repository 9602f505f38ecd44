#!/usr/bin/env bash
# The layers depend one way only: app on gui and core, gui on core, core on
# Qt Core alone. A file that includes against that direction is named here,
# and so is a core file that so much as names a Widgets class.
set -euo pipefail
: "${SRC:?source folder}"
failed=0
check() { # folder, pattern of includes it must not have
    local hits
    if hits=$(grep -rnE "^#\s*include\s*[<\"]($2)" "$SRC/$1"); then
        echo "$hits"
        failed=1
    fi
}
check core 'gui/|app/|Qt(Gui|Widgets)/|Q(Widget|Application|GuiApplication|Label|Dialog|MainWindow|PushButton|Icon|Pixmap|Image|Font|Color|Palette)[ >"]'
check gui 'app/'
# Core knows no window: not even a forward declaration or a pointer to one.
if hits=$(grep -rnwE 'Q(Widget|Dialog|MessageBox|MainWindow|Label|PushButton|Application|AbstractButton|LineEdit|Menu|MenuBar|Action)' "$SRC/core"); then
    echo "$hits"
    failed=1
fi
exit "$failed"
