#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVector>

class BmuSession;
struct OperationResult;
class QTimer;

// The live view: the status blocks read on an interval, and the information of the tower
// the Diagnosis tab shows. It starts its reads through the session only while the link is
// up and no other operation runs, so nothing is ever interleaved into another sequence: a
// read falling due meanwhile waits and runs as soon as the session is free again.
class LiveRefresh : public QObject {
    Q_OBJECT

public:
    explicit LiveRefresh(BmuSession* session, QObject* parent = nullptr);

    // The intervals offered, in seconds.
    static QVector<int> intervalChoices() { return {5, 10, 30, 60}; }

    void setEnabled(bool on);
    bool isEnabled() const { return enabled; }
    void setIntervalMs(int ms);
    int intervalMs() const;
    // The tower the Diagnosis tab shows (1-based), read after the status; 0 while the tab
    // is not current.
    void setShownTower(int bmsNumber) { shownTower = bmsNumber; }
    // Whether the running operation is one of the live view's reads.
    bool isReading() const { return ownRead; }

    // "Live · updated 4 s ago", "Paused: firmware update running", "Not connected", or
    // empty while the live view is off.
    QString statusText() const;

signals:
    void statusTextChanged(const QString& text);

private:
    void readIfDue();
    void onOperationFinished(const OperationResult& result);
    void updateStatusText();

    BmuSession* session;
    QTimer* interval;
    QTimer* ticker; // refreshes "updated N s ago"
    QElapsedTimer sinceUpdate;
    QString shownText;
    int shownTower = 0;
    bool enabled = false;
    bool due = false;
    bool ownRead = false;
    bool towerPending = false;
};
