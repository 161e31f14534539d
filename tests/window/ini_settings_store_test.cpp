// The INI backing of the settings store: texts kept as given, nothing created by reading, and
// files that cannot be read or written handled without losing or inventing values.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "qt/platform/ini_settings_store.h"

using quorvane::IniSettingsStore;

class IniSettingsStoreTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static void Write(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }

 private slots:
  void defaultFileIsPerUserUnderXdgConfigHome() {
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    IniSettingsStore store;
    QCOMPARE(store.FilePath(), dir_.filePath("Quorvane/Quorvane.ini"));
  }

  void valuesAreStoredAsTheTextGiven() {
    const QString path = Path("texts.ini");
    {
      IniSettingsStore store(path);
      store.WriteSetting("Config", "CenterId", "11");
      store.WriteSetting("Config", "Language", "1");
      store.WriteSetting("Config", "Zoom", "5.0");
      store.WriteSetting("Config", "Orbit", "True");
      store.WriteSetting("UpdateInfo", "CurrentVersion", "1.01.0000");
      QVERIFY(store.Sync());
    }
    const QByteArray contents = Contents(path);
    for (const char* line : {"[Config]", "CenterId=11", "Language=1", "Zoom=5.0", "Orbit=True",
                             "[UpdateInfo]", "CurrentVersion=1.01.0000"}) {
      QVERIFY2(contents.split('\n').contains(line), line);
    }
    IniSettingsStore reread(path);
    QCOMPARE(reread.ReadSetting("Config", "Zoom", "x"), std::string("5.0"));
    QCOMPARE(reread.ReadSetting("Config", "Orbit", "x"), std::string("True"));
  }

  void textsWithSpecialCharactersComeBackUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << "2,5";
    QTest::newRow("at sign") << "@Variant(1)";
    QTest::newRow("quotes") << "\"7\"";
    QTest::newRow("Japanese") << QString::fromUtf8("地球");
    QTest::newRow("blanks") << "  7 ";
    QTest::newRow("semicolon") << "1;2";
  }
  void textsWithSpecialCharactersComeBackUnchanged() {
    QFETCH(QString, text);
    const QString path = Path("special.ini");
    {
      IniSettingsStore store(path);
      store.WriteSetting("Config", "Zoom", text.toStdString());
      QVERIFY(store.Sync());
    }
    QCOMPARE(IniSettingsStore(path).ReadSetting("Config", "Zoom", ""), text.toStdString());
  }

  void handEditedUnquotedCommaReadsAsTheText() {
    const QString path = Path("hand.ini");
    Write(path, "[Config]\nZoom=2,5\n");
    QCOMPARE(IniSettingsStore(path).ReadSetting("Config", "Zoom", ""), std::string("2,5"));
  }

  void readingCreatesNothing() {
    const QString path = Path("absent/none.ini");
    IniSettingsStore store(path);
    QCOMPARE(store.ReadSetting("Config", "CenterId", "4"), std::string("4"));
    QVERIFY(!store.Value("Config", "CenterId"));
    QVERIFY(store.Sync());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QDir(Path("absent")).exists());
  }

  void garbageFileReadsAsMissingKeys() {
    const QString path = Path("garbage.ini");
    Write(path, QByteArray("\x00\xff\xfe[[[=\n\x01\x02", 11));
    IniSettingsStore store(path);
    QCOMPARE(store.ReadSetting("Config", "CenterId", "4"), std::string("4"));
  }

  void aStoreThatCannotBeWrittenSaysSo() {
    // A file where the folder should be: no user, root included, can write below it.
    Write(Path("blocked"), "not a folder");
    IniSettingsStore store(Path("blocked/Quorvane.ini"));
    store.WriteSetting("Config", "Zoom", "7");
    QVERIFY(!store.Sync());
  }
};

QTEST_GUILESS_MAIN(IniSettingsStoreTest)
#include "ini_settings_store_test.moc"
