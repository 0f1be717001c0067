#include "appearance/SkinManager.h"

#include "appearance/SkinFile.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

// Fusion draws every control from the palette; native styles ignore much of it.
constexpr const char* kSkinStyle = "Fusion";

void SetStyleNamed(const QString& name)
{
    if (name.isEmpty() || QApplication::style()->name().compare(name, Qt::CaseInsensitive) == 0) return;
    if (QStyle* style = QStyleFactory::create(name)) QApplication::setStyle(style);
}

// Qt updates the palette of a widget that was never polished (every widget of a
// window not yet shown) only when it is first shown, and some keep the old
// colours until then; polishing all of them first lets a change reach them at once.
void PolishAllWidgets()
{
    for (QWidget* widget : QApplication::allWidgets()) widget->ensurePolished();
}

// The application hands a new palette to its widgets through posted events;
// delivering them now lets every window carry the new colours when the call returns.
void SetPaletteNow(const QPalette& palette)
{
    QApplication::setPalette(palette);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

}  // namespace

TSkinManager::TSkinManager(QObject* parent) : QObject(parent) {}

TSkinManager::~TSkinManager()
{
    if (applied_) ApplyPlainLook();
}

void TSkinManager::SetActive(bool active)
{
    if (active == active_) return;
    active_ = active;
    if (active_) {
        Load();
    } else {
        lastError_.clear();
        if (applied_) {
            ApplyPlainLook();
            emit SkinChanged();
        }
    }
}

void TSkinManager::SetSkinDirectory(const QString& directory)
{
    directory_ = directory;
}

void TSkinManager::SetSkinName(const QString& name)
{
    name_ = name;
    if (active_) Load();
}

QString TSkinManager::SkinFilePath() const
{
    return directory_ + QDir::separator() + name_ + ".asz";
}

void TSkinManager::Load()
{
    TSkinParseResult result;
    if (name_.isEmpty())
        result.Error = "no skin is named";
    else if (!QDir(directory_).exists() || directory_.isEmpty())
        result.Error = QString("no skin folder \"%1\"").arg(directory_);
    else
        result = LoadSkinFile(SkinFilePath());

    if (!result.Value) {
        lastError_ = result.Error;
        if (applied_) ApplyPlainLook();
        emit SkinChanged();
        return;
    }

    // The old sheet goes first: a sheet's palette() references are taken from the
    // palette in force when it is applied, so the new sheet must follow the new palette.
    PolishAllWidgets();
    if (!plainTaken_) plainStyleSheet_ = qApp->styleSheet();
    qApp->setStyleSheet(QString());
    if (!plainTaken_) {
        // With a sheet on, the application's style is a wrapper without a name.
        plainTaken_ = true;
        plainStyle_ = QApplication::style()->name();
        plainPalette_ = QApplication::palette();
    }
    SetStyleNamed(kSkinStyle);
    SetPaletteNow(result.Value->Palette);
    qApp->setStyleSheet(result.Value->StyleSheet);
    applied_ = true;
    lastError_.clear();
    emit SkinChanged();
}

void TSkinManager::ApplyPlainLook()
{
    PolishAllWidgets();
    qApp->setStyleSheet(QString());
    SetStyleNamed(plainStyle_);
    SetPaletteNow(plainPalette_);
    qApp->setStyleSheet(plainStyleSheet_);
    applied_ = false;
}
