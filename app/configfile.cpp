#include "configfile.h"

#include <QSettings>

namespace {

// Never through the organisation name: setting one would move the cache folder.
QSettings openConfig()
{
    return QSettings(QSettings::NativeFormat,
                     QSettings::UserScope,
                     QStringLiteral("quorlane"),
                     QStringLiteral("quorlane"));
}

template<typename Enum, size_t N>
Enum readChoice(const QSettings &config,
                const QString &key,
                const std::array<const char *, N> &names,
                Enum fallback)
{
    const int index = choiceIndex(names, config.value(key).toString().toLatin1().constData());
    return index < 0 ? fallback : Enum(index);
}

bool readBool(const QSettings &config, const QString &key, bool fallback)
{
    const QString value = config.value(key).toString();
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return fallback;
}

int readInt(const QSettings &config, const QString &key, int min, int max, int fallback)
{
    bool ok = false;
    const qlonglong value = config.value(key).toString().toLongLong(&ok);
    return ok && value >= min && value <= max ? int(value) : fallback;
}

} // namespace

namespace ConfigFile {

OutputPolicy loadOutputPolicy()
{
    const OutputPolicy defaults;
    OutputPolicy policy;
    QSettings config = openConfig();
    config.beginGroup(QStringLiteral("Output"));
    policy.metadata =
      readChoice(config, QStringLiteral("metadata"), metadataChoiceNames, defaults.metadata);
    policy.copyrightFromText =
      readBool(config, QStringLiteral("copyrightFromText"), defaults.copyrightFromText);
    policy.jpegQuality = readInt(config,
                                 QStringLiteral("jpegQuality"),
                                 OutputPolicy::minQuality,
                                 OutputPolicy::maxQuality,
                                 defaults.jpegQuality);
    policy.resize = readChoice(config, QStringLiteral("resize"), resizeModeNames, defaults.resize);
    policy.existingFiles = readChoice(
      config, QStringLiteral("existingFiles"), existingFilesNames, defaults.existingFiles);
    return policy;
}

void saveOutputPolicy(const OutputPolicy &policy)
{
    QSettings config = openConfig();
    config.beginGroup(QStringLiteral("Output"));
    config.setValue(QStringLiteral("metadata"),
                    QLatin1String(metadataChoiceNames.at(size_t(policy.metadata))));
    config.setValue(QStringLiteral("copyrightFromText"),
                    policy.copyrightFromText ? QStringLiteral("true") : QStringLiteral("false"));
    config.setValue(QStringLiteral("jpegQuality"), policy.jpegQuality);
    config.setValue(QStringLiteral("resize"),
                    QLatin1String(resizeModeNames.at(size_t(policy.resize))));
    config.setValue(QStringLiteral("existingFiles"),
                    QLatin1String(existingFilesNames.at(size_t(policy.existingFiles))));
}

WatermarkEffects loadWatermarkEffects()
{
    const WatermarkEffects defaults;
    WatermarkEffects effects;
    QSettings config = openConfig();
    config.beginGroup(QStringLiteral("Watermark"));
    effects.margin =
      readInt(config, QStringLiteral("margin"), 0, WatermarkEffects::maxMargin, defaults.margin);
    effects.outline = readBool(config, QStringLiteral("outline"), defaults.outline);
    effects.shadow = readBool(config, QStringLiteral("shadow"), defaults.shadow);
    effects.angle = readInt(config,
                            QStringLiteral("angle"),
                            -WatermarkEffects::maxAngle,
                            WatermarkEffects::maxAngle,
                            defaults.angle);
    effects.tile = readBool(config, QStringLiteral("tile"), defaults.tile);
    effects.logoPath = config.value(QStringLiteral("logo")).toString();
    effects.logoWidth = readInt(config, QStringLiteral("logoWidth"), 1, 100, defaults.logoWidth);
    const int position =
      readInt(config, QStringLiteral("logoPosition"), 0, 255, defaults.logoPosition);
    effects.logoPosition = Position::isValid(position) ? position : defaults.logoPosition;
    effects.logoOpacity =
      readInt(config, QStringLiteral("logoOpacity"), 0, 255, defaults.logoOpacity);
    return effects;
}

void saveWatermarkEffects(const WatermarkEffects &effects)
{
    const auto boolean = [](bool value) {
        return value ? QStringLiteral("true") : QStringLiteral("false");
    };
    QSettings config = openConfig();
    config.beginGroup(QStringLiteral("Watermark"));
    config.setValue(QStringLiteral("margin"), effects.margin);
    config.setValue(QStringLiteral("outline"), boolean(effects.outline));
    config.setValue(QStringLiteral("shadow"), boolean(effects.shadow));
    config.setValue(QStringLiteral("angle"), effects.angle);
    config.setValue(QStringLiteral("tile"), boolean(effects.tile));
    config.setValue(QStringLiteral("logo"), effects.logoPath);
    config.setValue(QStringLiteral("logoWidth"), effects.logoWidth);
    config.setValue(QStringLiteral("logoPosition"), effects.logoPosition);
    config.setValue(QStringLiteral("logoOpacity"), effects.logoOpacity);
}

} // namespace ConfigFile
