#pragma once

#include <QWidget>

#include <functional>

class BmuSession;
class LinkMonitor;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

// The link monitor: every frame the link carries while the window is open, with the
// link's counters. Pause stops the recording; closing the window stops it too.
class LinkMonitorWindow : public QWidget {
    Q_OBJECT

public:
    LinkMonitorWindow(LinkMonitor* monitor, QWidget* parent = nullptr);

    // The roles that may open the monitor.
    static bool allowedFor(const QString& role);
    // The status-bar button that opens the monitor of `session`, made with its monitor.
    static QPushButton* makeEntry(BmuSession* session, QWidget* window);

    // How the window asks for the file to save to; tests answer without a dialog.
    std::function<QString(QWidget*)> askSavePath;

    void save();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showCounters();
    void filterBy(int index);

    LinkMonitor* monitor;
    QSortFilterProxyModel* filtered;
    QTableView* view;
    QCheckBox* pause;
    QComboBox* operations;
    QLabel* counters;
};
