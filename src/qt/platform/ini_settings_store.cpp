#include "qt/platform/ini_settings_store.h"

#include <QStringList>

namespace quorvane {

namespace {

QString KeyPath(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section) + '/' + QString::fromUtf8(key);
}

}  // namespace

IniSettingsStore::IniSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(kApplicationName),
                QString::fromUtf8(kApplicationName)) {}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : settings_(filePath, QSettings::IniFormat) {}

std::optional<std::string> IniSettingsStore::Value(std::string_view section,
                                                   std::string_view key) const {
  const QVariant value = settings_.value(KeyPath(section, key));
  if (!value.isValid()) {
    return std::nullopt;
  }
  // An unquoted comma in a hand-edited file makes QSettings split the text into a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(',').toStdString();
  }
  return value.toString().toStdString();
}

void IniSettingsStore::SetValue(std::string_view section, std::string_view key,
                                std::string_view text) {
  settings_.setValue(KeyPath(section, key), QString::fromUtf8(text));
}

bool IniSettingsStore::Sync() {
  settings_.sync();
  return settings_.status() == QSettings::NoError;
}

}  // namespace quorvane
