"""The exercise worked through the accessibility bus alone, as a screen
reader would: every control is found by its role and name, every step is an
AT-SPI call (a value set, an action done, a text set), and the results are
read back the same way.

Usage: atspi_scenario.py APPLICATION_NAME [--task | --english]
"""
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT_S = 60  # generous: a busy machine only makes it wait longer

# Worked out by hand: after ten steps up from 1.0 the grating constant is
# d = 2.0000000000000009, shown "2". Order 2 at 595 nm lies at
# y = 2 * 595 nm * 50 cm / d = 2.97499999... cm (in the program's extended
# precision), shown "2,97". The pupil's formula then gives
# lambda = d * y / (k * F) = 2e-5 m * 2.97 cm / (2 * 50 cm) = 594 nm.
EXPECTED_GRATING = "2"
EXPECTED_DISTANCE = "2,97"
EXPECTED_ANSWER = "594"
DESCRIPTION_CHANGED = "object:property-change:accessible-description"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


# The events a screen reader would speak from: (source name, kind, value).
heard = []


def listen(event):
    # Qt sends the object, not the text: read it as it is now.
    heard.append((event.source.name, event.type, event.source.description))


def pump():
    # Events arrive through the main loop; a screen reader runs one.
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe):
    deadline = time.monotonic() + TIMEOUT_S
    while time.monotonic() < deadline:
        pump()
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what + " (heard %s)" % heard[-5:])


def heard_of(name, kind):
    return [value for source, type_, value in heard if source == name and type_ == kind]


def find_app(name):
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        return None
    return wait_for("the application on the accessibility bus", probe)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(app, role, name, prefix=False):
    def probe():
        for node in walk(app):
            if node.getRole() != role:
                continue
            if node.name == name or (prefix and node.name.startswith(name)):
                return node
        return None
    return wait_for("%s «%s»" % (role, name), probe)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "press" not in [n.lower() for n in names]:
        fail("«%s» has no press action, only %s" % (node.name, names))
    action.doAction([n.lower() for n in names].index("press"))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def main():
    app = find_app(sys.argv[1])
    pyatspi.Registry.registerEventListener(listen, DESCRIPTION_CHANGED)

    # Open the experiment screen with its button, as the pupil would.
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Эксперимент"))
    bench = find(app, pyatspi.ROLE_IMAGE, "Оптический стенд")
    slider = find(app, pyatspi.ROLE_SLIDER, "Ползунок длины волны")
    up = find(app, pyatspi.ROLE_PUSH_BUTTON, "Увеличить постоянную решетки")
    grating = find(app, pyatspi.ROLE_TEXT, "Постоянная решетки d")
    distance = find(app, pyatspi.ROLE_TEXT, "Расстояние y")
    order = find(app, pyatspi.ROLE_TEXT, "Порядок максимума k")
    answer = find(app, pyatspi.ROLE_TEXT, "Ответ")
    check = find(app, pyatspi.ROLE_PUSH_BUTTON, "Проверить", prefix=True)
    verdict = find(app, pyatspi.ROLE_LABEL, "Результат проверки")

    value = slider.queryValue()
    # Qt sends events only once it knows of a listener, which it may learn
    # after joining the bus: set the slider where it stands (a redraw) until
    # the bench's reading is heard.
    polls = iter(range(1 << 30))
    def nudged():
        if next(polls) % 10 == 0:
            value.currentValue = value.currentValue
        return heard_of("Оптический стенд", DESCRIPTION_CHANGED)
    wait_for("events from the program", nudged)
    if (value.minimumValue, value.maximumValue) != (380.0, 760.0):
        fail("the slider spans %s..%s, not 380..760" % (value.minimumValue, value.maximumValue))

    # 1. The slider to 595 nm.
    value.currentValue = 595.0
    wait_for("the slider at 595", lambda: slider.queryValue().currentValue == 595.0)
    wait_for("the reading of 595 nm", lambda: "Длина волны 595 нм" in bench.description)

    # 2. The grating up ten times, one step a press.
    for _ in range(10):
        press(up)
    wait_for("d = " + EXPECTED_GRATING, lambda: text_of(grating) == EXPECTED_GRATING)

    # 3. The target of order 2 above the axis; order 4 lies beyond the scale.
    target2 = find(app, pyatspi.ROLE_PUSH_BUTTON, "Максимум 2-го порядка над осью")
    target4 = find(app, pyatspi.ROLE_PUSH_BUTTON, "Максимум 4-го порядка над осью")
    if not enabled(target2) or enabled(target4):
        fail("order 2 should be selectable and order 4 not (enabled: %s, %s)" % (enabled(target2), enabled(target4)))
    heard.clear()
    press(target2)
    wait_for("order 2", lambda: text_of(order) == "2")
    # The new reading was sent for the screen reader to speak, once.
    spoken = wait_for("the reading spoken", lambda: heard_of("Оптический стенд", DESCRIPTION_CHANGED))
    if len(spoken) != 1 or "2-го порядка над осью" not in spoken[0]:
        fail("the bench told %s" % spoken)
    y = text_of(distance)
    if y != EXPECTED_DISTANCE:
        fail("y = %s, not %s" % (y, EXPECTED_DISTANCE))
    reading = bench.description
    if "выбран максимум 2-го порядка над осью, y = 2,97 см" not in reading:
        fail("the reading is «%s»" % reading)

    # 4. The pupil's answer from the read-outs: lambda = d * y / (k * F).
    d = float(text_of(grating).replace(",", "."))
    computed = round(d * 1e-5 * float(y.replace(",", ".")) / (2 * 50) * 1e9)
    if str(computed) != EXPECTED_ANSWER:
        fail("the formula gives %s, not %s" % (computed, EXPECTED_ANSWER))
    answer.queryEditableText().setTextContents(EXPECTED_ANSWER)
    wait_for("the answer typed", lambda: text_of(answer) == EXPECTED_ANSWER)

    # 5. «Проверить», then 6. read the verdict.
    heard.clear()
    press(check)
    said = wait_for("a verdict", lambda: verdict.description if verdict.description in ("Верно !", "Неверно !") else None)
    if said != "Верно !":
        fail("the verdict reads «%s»" % said)
    spoken = wait_for("the verdict spoken", lambda: heard_of("Результат проверки", DESCRIPTION_CHANGED))
    if spoken != ["Верно !"]:
        fail("the verdict told %s" % spoken)
    print("AT-SPI scenario passed: 595 nm, d = %s, k = 2, y = %s, answer %s: %s"
          % (EXPECTED_GRATING, y, EXPECTED_ANSWER, said))
    mercury(app, check, verdict, grating, distance, order, answer)


def mercury(app, check, verdict, grating, distance, order, answer):
    """The mercury lamp's green line measured with the cursor: the source
    picked by its action, the cursor's value set, k and the answer typed."""
    press(check)  # «Сброс»
    down = find(app, pyatspi.ROLE_PUSH_BUTTON, "Уменьшить постоянную решетки")
    for _ in range(10):
        press(down)
    wait_for("d = 1", lambda: text_of(grating) == "1")

    source = find(app, pyatspi.ROLE_COMBO_BOX, "Источник света")
    actions = source.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if "Лампа: ртутная" not in names:
        fail("the source control offers %s" % names)
    actions.doAction(names.index("Лампа: ртутная"))
    lamp = find(app, pyatspi.ROLE_TEXT, "Длина волны λ")
    wait_for("the lamp named", lambda: text_of(lamp) == "Hg")

    # The green line's first order lies 546 nm * 50 cm / 1e4 nm = 2,73 cm up.
    cursor = find(app, pyatspi.ROLE_SLIDER, "Визир")
    cursor.queryValue().currentValue = 2.73
    wait_for("the cursor at 2,73", lambda: text_of(distance) == "2,73")
    order.queryEditableText().setTextContents("1")
    answer.queryEditableText().setTextContents("546")
    wait_for("k and the answer typed", lambda: text_of(order) == "1" and text_of(answer) == "546")
    press(check)
    said = wait_for("a verdict", lambda: verdict.description if verdict.description in ("Верно !", "Неверно !") else None)
    hint = find(app, pyatspi.ROLE_LABEL, "Подсказка")
    named = wait_for("the line named", lambda: hint.description if "нм" in hint.description else None)
    if said != "Верно !" or named != "ртуть, 546 нм":
        fail("the mercury check reads «%s», «%s»" % (said, named))
    print("AT-SPI mercury scenario passed: cursor y = 2,73, k = 1, answer 546: %s %s" % (said, named))


def hint_reads(app, wanted):
    """Whether a hint beside the verdict tells that text to a screen reader."""
    return any(node.description == wanted for node in walk(app)
               if node.getRole() == pyatspi.ROLE_LABEL and node.name == "Подсказка")


def task(app):
    """A classroom task (variant 6 of «9Б», an unknown lamp): a click on a
    maximum fills in nothing; the cursor, set through its value, measures y,
    k is typed; the cursor three rows off the line gets its hint, the cursor
    on the line and the answer worked from the read-outs «Верно !»."""
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Эксперимент"))
    grating = find(app, pyatspi.ROLE_TEXT, "Постоянная решетки d")
    distance = find(app, pyatspi.ROLE_TEXT, "Расстояние y")
    order = find(app, pyatspi.ROLE_TEXT, "Порядок максимума k")
    answer = find(app, pyatspi.ROLE_TEXT, "Ответ")
    check = find(app, pyatspi.ROLE_PUSH_BUTTON, "Проверить", prefix=True)
    verdict = find(app, pyatspi.ROLE_LABEL, "Результат проверки")
    cursor = find(app, pyatspi.ROLE_SLIDER, "Визир")

    # The action is answered once it is done: the fields are read after it.
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Максимум 1-го порядка над осью"))
    if (text_of(distance), text_of(order)) != ("0,00", ""):
        fail("a click on a maximum filled in y = «%s», k = «%s»" % (text_of(distance), text_of(order)))

    def measure(cm, k):
        cursor.queryValue().currentValue = cm
        shown = "%.2f" % cm
        wait_for("the cursor at " + shown, lambda: text_of(distance) == shown.replace(".", ","))
        order.queryEditableText().setTextContents(k)
        # The pupil's formula from the read-outs: lambda = d * y / (k * F).
        d = float(text_of(grating).replace(",", "."))
        y = float(text_of(distance).replace(",", "."))
        worked = str(round(d * 1e-5 * y / (int(k) * 50) * 1e9))
        answer.queryEditableText().setTextContents(worked)
        wait_for("k and the answer typed", lambda: text_of(order) == k and text_of(answer) == worked)
        press(check)
        said = wait_for("a verdict",
                        lambda: verdict.description if verdict.description in ("Верно !", "Неверно !") else None)
        return worked, said

    # The line's first order is drawn 118 rows up (2,95 cm); 3 rows higher
    # the right arithmetic measures no line.
    worked, said = measure(3.03, "1")
    if said != "Неверно !":
        fail("the cursor off the line got «%s» for %s" % (said, worked))
    wait_for("the hint «визир не на линии»", lambda: hint_reads(app, "визир не на линии"))
    press(check)  # «Сброс»
    wait_for("the verdict cleared", lambda: verdict.description not in ("Верно !", "Неверно !"))

    worked, said = measure(2.95, "1")
    if said != "Верно !":
        fail("the cursor on the line got «%s» for %s" % (said, worked))
    print("AT-SPI task scenario passed: cursor y = 2,95, k = 1, answer %s: %s" % (worked, said))


def cyrillic(text):
    return any("\u0400" <= c <= "\u04ff" for c in text or "")


def tree(app):
    """Every node's role, name and description, indented by depth."""
    def lines(node, depth):
        yield "%s%s «%s» «%s»" % ("  " * depth, node.getRoleName(), node.name, node.description)
        for child in node:
            if child is not None:
                yield from lines(child, depth + 1)
    return list(lines(app, 0))


def english(app):
    """The English interface (LANGUAGE=en): each screen opened with its
    button, and the whole accessible tree dumped once it stands still; no
    name or description in it may hold a Cyrillic letter."""
    for screen in ("Title", "Procedure", "Experiment", "Log"):
        press(find(app, pyatspi.ROLE_PUSH_BUTTON, screen))
        # The screen is built up in the program's own time: two walks alike
        # a moment apart.
        last = [None]
        def settled():
            now = tree(app)
            same, last[0] = now == last[0], now
            if same:
                return now
            time.sleep(0.2)
            return None
        dump = wait_for("the tree of «%s» to settle" % screen, settled)
        found = [line.strip() for line in dump if cyrillic(line)]
        if found:
            print("\n".join(dump))
            fail("Cyrillic on the screen «%s»:\n%s" % (screen, "\n".join(found)))
        print("%s: %d nodes, no Cyrillic" % (screen, len(dump)))
    # The whole tree once, for the log: every screen's controls are in it.
    print("\n".join(dump))
    print("AT-SPI English scenario passed: no Cyrillic on any screen")


if __name__ == "__main__":
    if sys.argv[2:] == ["--task"]:
        task(find_app(sys.argv[1]))
    elif sys.argv[2:] == ["--english"]:
        english(find_app(sys.argv[1]))
    else:
        main()
