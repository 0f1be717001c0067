#pragma once
// Stands for the skinned frame and title bar of a window. The frame belongs to
// the window manager and Qt can't paint it, so the skin reaches the client area
// only (through the manager) and the provider draws nothing. It stays attached
// to its window for the window's life; the program never calls it.
#include <QObject>
#include <QPointer>
#include <QWidget>

class TSkinProvider : public QObject {
    Q_OBJECT
public:
    explicit TSkinProvider(QWidget* window) : QObject(window), window_(window) {}
    QWidget* Window() const { return window_; }

private:
    QPointer<QWidget> window_;
};
