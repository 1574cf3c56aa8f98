#include "ChartSplitter.h"

#include <QMouseEvent>

#include "platform/ui/Twips.h"

namespace analyser::ui {

ChartSplitter::ChartSplitter(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("imgSplitter%1").arg(index));
    setCursor(Qt::SplitHCursor);
}

void ChartSplitter::mousePressEvent(QMouseEvent*) { emit Pressed(index_); }

void ChartSplitter::mouseMoveEvent(QMouseEvent* event) {
    emit Moved(index_, platform::PixelsToTwips(qRound(event->position().x()), this));
}

void ChartSplitter::mouseReleaseEvent(QMouseEvent*) { emit Released(index_); }

}  // namespace analyser::ui
