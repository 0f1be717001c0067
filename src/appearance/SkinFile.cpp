#include "appearance/SkinFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>

namespace {

struct RoleName {
    const char* Name;
    QPalette::ColorRole Role;
};

constexpr std::array kRoles{
    RoleName{"Window", QPalette::Window},
    RoleName{"WindowText", QPalette::WindowText},
    RoleName{"Base", QPalette::Base},
    RoleName{"AlternateBase", QPalette::AlternateBase},
    RoleName{"Text", QPalette::Text},
    RoleName{"Button", QPalette::Button},
    RoleName{"ButtonText", QPalette::ButtonText},
    RoleName{"Highlight", QPalette::Highlight},
    RoleName{"HighlightedText", QPalette::HighlightedText},
    RoleName{"Light", QPalette::Light},
    RoleName{"Midlight", QPalette::Midlight},
    RoleName{"Mid", QPalette::Mid},
    RoleName{"Dark", QPalette::Dark},
    RoleName{"Shadow", QPalette::Shadow},
    RoleName{"BrightText", QPalette::BrightText},
    RoleName{"ToolTipBase", QPalette::ToolTipBase},
    RoleName{"ToolTipText", QPalette::ToolTipText},
    RoleName{"PlaceholderText", QPalette::PlaceholderText},
    RoleName{"Link", QPalette::Link},
    RoleName{"LinkVisited", QPalette::LinkVisited},
};

// Without these a skin can't say how the window, its fields, buttons, selection
// and text look.
constexpr std::array kRequired{QPalette::Window, QPalette::WindowText, QPalette::Base,      QPalette::Text,
                               QPalette::Button, QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText};

constexpr std::array kGroups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};

std::optional<QPalette::ColorRole> RoleByName(const QString& name)
{
    for (const RoleName& r : kRoles)
        if (name.compare(QLatin1String(r.Name), Qt::CaseInsensitive) == 0) return r.Role;
    return std::nullopt;
}

QColor Mix(const QColor& a, const QColor& b, double weightOfA)
{
    const double w = weightOfA;
    return QColor::fromRgbF(float(a.redF() * w + b.redF() * (1 - w)), float(a.greenF() * w + b.greenF() * (1 - w)),
                            float(a.blueF() * w + b.blueF() * (1 - w)));
}

std::optional<QColor> ParseColour(const QString& text)
{
    static const QRegularExpression hex("^#[0-9A-Fa-f]{6}$");
    if (!hex.match(text).hasMatch()) return std::nullopt;
    return QColor(text);
}

using Colours = std::map<QPalette::ColorRole, QColor>;

// The roles a skin leaves out follow from those it gives.
QPalette BuildPalette(const Colours& active, const Colours& inactive, const Colours& disabled)
{
    auto given = [&](QPalette::ColorRole role) { return active.at(role); };
    // Qt derives the bevel shades (light, midlight, mid, dark, shadow) from these two.
    QPalette palette(given(QPalette::Button), given(QPalette::Window));

    Colours full = active;
    auto fallback = [&](QPalette::ColorRole role, const QColor& colour) { full.emplace(role, colour); };
    for (QPalette::ColorRole shade : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark,
                                      QPalette::Shadow})
        fallback(shade, palette.color(QPalette::Active, shade));
    fallback(QPalette::AlternateBase, Mix(given(QPalette::Base), given(QPalette::Window), 0.5));
    fallback(QPalette::ToolTipBase, given(QPalette::Base));
    fallback(QPalette::ToolTipText, given(QPalette::Text));
    fallback(QPalette::PlaceholderText, Mix(given(QPalette::Text), given(QPalette::Base), 0.5));
    fallback(QPalette::BrightText, given(QPalette::HighlightedText));
    fallback(QPalette::Link, given(QPalette::Highlight));
    fallback(QPalette::LinkVisited, full.at(QPalette::Link));

    for (QPalette::ColorGroup group : kGroups)
        for (const auto& [role, colour] : full) palette.setColor(group, role, colour);

    // Disabled captions fade halfway into what they stand on.
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     Mix(full.at(QPalette::WindowText), full.at(QPalette::Window), 0.5));
    palette.setColor(QPalette::Disabled, QPalette::Text, Mix(full.at(QPalette::Text), full.at(QPalette::Base), 0.5));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                     Mix(full.at(QPalette::ButtonText), full.at(QPalette::Button), 0.5));

    for (const auto& [role, colour] : inactive) palette.setColor(QPalette::Inactive, role, colour);
    for (const auto& [role, colour] : disabled) palette.setColor(QPalette::Disabled, role, colour);
    return palette;
}

TSkinParseResult Fail(int line, const QString& why)
{
    return {std::nullopt, QString("line %1: %2").arg(line).arg(why)};
}

}  // namespace

TSkinParseResult ParseSkin(const QString& source)
{
    QString text = source;
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    text.remove('\r');
    const QStringList lines = text.split('\n');

    enum class Section { None, Skin, Colors };
    Section section = Section::None;
    QSet<QString> seenSections;
    QSet<QString> seenKeys;
    TSkin skin;
    Colours active, inactive, disabled;
    QString format;

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i) + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;

        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return Fail(lineNo, "a section name must end with \"]\"");
            const QString name = line.mid(1, line.size() - 2).trimmed().toLower();
            if (seenSections.contains(name)) return Fail(lineNo, QString("section [%1] appears twice").arg(name));
            seenSections.insert(name);
            if (name == "skin") {
                section = Section::Skin;
            } else if (name == "colors") {
                section = Section::Colors;
            } else if (name == "style") {
                // Everything after this line is the style sheet, exactly as written.
                skin.StyleSheet = lines.mid(i + 1).join('\n').trimmed();
                break;
            } else {
                return Fail(lineNo, QString("unknown section [%1]").arg(line.mid(1, line.size() - 2).trimmed()));
            }
            continue;
        }

        const qsizetype eq = line.indexOf('=');
        if (eq < 0) return Fail(lineNo, "expected \"name = value\"");
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key.isEmpty()) return Fail(lineNo, "a name is missing before \"=\"");
        if (section == Section::None) return Fail(lineNo, "a value outside any section");

        const QString keyId = (section == Section::Skin ? "skin." : "colors.") + key.toLower();
        if (seenKeys.contains(keyId)) return Fail(lineNo, QString("\"%1\" is given twice").arg(key));
        seenKeys.insert(keyId);

        if (section == Section::Skin) {
            if (key.compare("Format", Qt::CaseInsensitive) == 0)
                format = value;
            else if (key.compare("Title", Qt::CaseInsensitive) == 0)
                skin.Title = value;
            else
                return Fail(lineNo, QString("unknown name \"%1\" in [Skin]").arg(key));
            continue;
        }

        Colours* target = &active;
        QString roleName = key;
        if (key.startsWith("Disabled.", Qt::CaseInsensitive)) {
            target = &disabled;
            roleName = key.mid(9);
        } else if (key.startsWith("Inactive.", Qt::CaseInsensitive)) {
            target = &inactive;
            roleName = key.mid(9);
        }
        const std::optional<QPalette::ColorRole> role = RoleByName(roleName);
        if (!role) return Fail(lineNo, QString("unknown colour role \"%1\"").arg(key));
        const std::optional<QColor> colour = ParseColour(value);
        if (!colour) return Fail(lineNo, QString("\"%1\" is no colour of the form #RRGGBB").arg(value));
        (*target)[*role] = *colour;
    }

    if (!seenSections.contains("skin")) return {std::nullopt, "the [Skin] section is missing"};
    if (format.isEmpty()) return {std::nullopt, "the [Skin] section does not give the Format"};
    if (format != "1") return {std::nullopt, QString("format %1 is not known; this program reads format 1").arg(format)};
    for (QPalette::ColorRole role : kRequired) {
        if (active.count(role)) continue;
        const auto it = std::find_if(kRoles.begin(), kRoles.end(), [role](const RoleName& r) { return r.Role == role; });
        return {std::nullopt, QString("the colour %1 is missing").arg(it->Name)};
    }
    skin.Palette = BuildPalette(active, inactive, disabled);
    return {std::move(skin), {}};
}

TSkinParseResult LoadSkinFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) return {std::nullopt, QString("no file \"%1\"").arg(path)};
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, QString("\"%1\" can't be read").arg(path)};
    if (file.size() > MaxSkinFileSize) return {std::nullopt, QString("\"%1\" is too large for a skin").arg(path)};
    const QByteArray data = file.readAll();
    TSkinParseResult result = ParseSkin(QString::fromUtf8(data));
    if (!result.Value) result.Error = path + ", " + result.Error;
    return result;
}
