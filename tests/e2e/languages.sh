#!/usr/bin/env bash
# The real program started in each language's session, as its users set it
# (LANG, nothing else): its texts and Qt's in that language, Arabic right to
# left, and a whole test by keyboard giving the right result there. Each
# window is left as a picture in $OUT/screenshots.
source "$(dirname "$0")/lib.sh"
start_x
start_wm
mkdir -p "$OUT/screenshots"

# A whole test by keys that mean the same in every language: arrows, Tab to
# Next and Space, Shift+Tab back to the animals. Horse, Cow, Sheep and Lion go.
whole_test_by_neutral_keys() {
    keys Tab Down Down Down Down Tab space
    gave_up 1
    keys shift+Tab Down Down Tab space
    gave_up 2
    keys shift+Tab Down Down Tab space
    gave_up 3
    keys shift+Tab Down Tab space
    gave_up 4
    keys space # Next is Show Result now
}

# Locale, and the animals in the order the result lists them.
while read -r locale horse cow sheep lion monkey; do
    language=${locale%_*}
    [ "$locale" != pt_BR ] || language=pt_BR
    step "$locale: the program, Qt's texts and the result in $language"
    : >"$OUT/app.log"
    LC_ALL="" LANG=$locale.UTF-8 start_app
    wait_until 20 mapped questionWindow
    direction=Qt::LeftToRight
    [ "$language" != ar ] || direction=Qt::RightToLeft
    wait_until 10 grep -q "language \"$language[^\"]*\" Qt's texts \"$language[^\"]*\" $direction" "$OUT/app.log"
    focus "$(window questionWindow)"
    import -window root "$OUT/screenshots/$language-question.png"
    whole_test_by_neutral_keys
    wait_until 20 mapped resultWindow
    [ "$(results_shown | sed -n 1p)" = "1. $horse | 2. $cow | 3. $sheep | 4. $lion | 5. $monkey" ]
    import -window root "$OUT/screenshots/$language-result.png"
    focus "$(window resultWindow)"
    keys Escape
    wait_until 10 mapped exitWindow
    import -window root "$OUT/screenshots/$language-exit.png"
    kill_all "$APP_PID"
    wait_until 10 refute exists_with_role exitWindow
done <<'LIST'
de_DE Pferd Kuh Schaf Löwe Affe
fr_FR Cheval Vache Mouton Lion Singe
es_ES Caballo Vaca Oveja León Mono
pt_BR Cavalo Vaca Ovelha Leão Macaco
ru_RU Лошадь Корова Овца Лев Обезьяна
ja_JP ウマ ウシ ヒツジ ライオン サル
ar_EG الحصان البقرة الخروف الأسد القرد
LIST
