// A splitter between a comment column and the chart (imgSplitter): a
// strip under the panes, reachable in the gap between them, that reports
// the drag to the main window. Any mouse button drags.
#pragma once

#include <QWidget>

namespace analyser::ui {

class ChartSplitter : public QWidget {
    Q_OBJECT

public:
    ChartSplitter(int index, QWidget* parent);
    int Index() const { return index_; }

signals:
    // x: the pointer's position within the splitter, in twips.
    void Pressed(int index);
    void Moved(int index, int x);
    void Released(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
};

}  // namespace analyser::ui
