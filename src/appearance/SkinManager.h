#pragma once
// The skin engine. One manager restyles the whole program: when it is switched
// on, and whenever it is given a skin name while on, it reads
// SkinDirectory/SkinName.asz and puts its palette and style sheet on the
// application, so every window and control takes the new look at once.
// A folder, file or text that doesn't give a skin leaves the plain look.
#include <QObject>
#include <QPalette>
#include <QString>

class TSkinManager : public QObject {
    Q_OBJECT
public:
    explicit TSkinManager(QObject* parent = nullptr);
    // Puts the plain look back if a skin is on.
    ~TSkinManager() override;

    bool Active() const { return active_; }
    // Switching on loads the named skin; switching off puts the plain look back.
    void SetActive(bool active);

    QString SkinDirectory() const { return directory_; }
    // Only stored; the next load reads from there.
    void SetSkinDirectory(const QString& directory);

    QString SkinName() const { return name_; }
    // While on, loads the skin at once (also the one already shown, afresh).
    void SetSkinName(const QString& name);

    // The path of the skin file the settings name.
    QString SkinFilePath() const;
    // True while a skin (not the plain look) is on the application.
    bool SkinApplied() const { return applied_; }
    // Why the last load gave the plain look; empty after a good load.
    QString LastError() const { return lastError_; }

signals:
    // The look was put on the application anew: a skin, or the plain look.
    void SkinChanged();

private:
    void Load();
    void ApplyPlainLook();

    bool active_ = false;
    QString directory_;
    QString name_;
    bool applied_ = false;
    QString lastError_;

    // The application's own look, taken before the first skin goes on.
    bool plainTaken_ = false;
    QString plainStyle_;
    QPalette plainPalette_;
    QString plainStyleSheet_;
};
