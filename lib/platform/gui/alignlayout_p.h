#pragma once
// The framework's alignment of child controls, kept per parent widget (a framework control
// or any other widget that holds controls): aligned children share the parent's client area
// in the order top, bottom, left, right, client, each kind in the order the controls joined
// the parent; unaligned children with anchors other than left-top follow the parent's size.
// The layout watches its parent's resizes and child removals and realigns at once.

#include <QObject>
#include <QSize>

class QWidget;

namespace vexo {

class TAlignLayout : public QObject {
    Q_OBJECT

public:
    // The parent's layout; made on demand when `create` is set, else none if it has none yet.
    static TAlignLayout* Of(QWidget* parent, bool create);

    void Realign();
    // The parent's size when the layout last ran (or was made).
    QSize LastSize() const { return lastSize_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TAlignLayout(QWidget* parent);

    QWidget* parent_;
    bool aligning_ = false;
    QSize lastSize_;
};

} // namespace vexo
