#pragma once

#include <QObject>

namespace zantor::ui {

// Power notifications of the session: logind's PrepareForSleep before a suspend and after the
// resume. Each one is a power broadcast; where there is no system bus there are none.
class PowerMonitor final : public QObject {
    Q_OBJECT
public:
    explicit PowerMonitor(QObject* parent = nullptr);
    bool listening() const { return listening_; }

signals:
    void powerBroadcast(bool suspending);

private slots:
    void onPrepareForSleep(bool suspending);

private:
    bool listening_ = false;
};

} // namespace zantor::ui
