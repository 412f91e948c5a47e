#pragma once

#include <QObject>
#include <QTimer>

#include "core/interval_timer.h"

// A timer of the window: stopped at interval 0, and deaf to a request for the
// interval it already has, so a running timer keeps its phase.
class LayoutTimer final : public QObject, public IntervalTimer {
    Q_OBJECT
public:
    LayoutTimer(QObject* parent, const char* name);

    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;

signals:
    void Ticked();

private:
    QTimer timer_;
    int interval_ = 0;
};
