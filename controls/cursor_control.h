#pragma once

#include <QWidget>

namespace bench {
class BenchSession;
}

// The grip of the measuring cursor («Визир»): an invisible area over the
// screen and its scale, where the cursor's hairline is drawn. The left button
// puts the cursor on the row under the pointer and drags it, turning it on
// with mono light; a right click turns it off again with mono light. With
// the focus: Up and Down move it a row, PageUp and PageDown 1 cm, Home to the
// axis, Escape turns it off with mono light. Each is one session action.
// Only the left button's press is taken, so no other button's hold leaves the
// grab with the cursor: the right button acts through its context-menu event.
class CursorControl : public QWidget {
    Q_OBJECT

public:
    explicit CursorControl(QWidget *parent = nullptr);

    void setSession(bench::BenchSession *session) { session_ = session; }
    bench::BenchSession *session() const { return session_; }

    // Rows above the axis of the point at height y of this control, which
    // stands level with the bench canvas.
    int offsetAt(int y) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void putAt(int y);

    bench::BenchSession *session_ = nullptr;
};
