// The INI backing of the settings store: texts kept as given, nothing created by reading, and
// files that cannot be read or written handled without losing or inventing values.
#include <sys/file.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "core/startup/settings.h"
#include "qt/platform/ini_settings_store.h"

using quorvane::IniSettingsStore;
using quorvane::SaveResult;

namespace {

// What the earlier QSettings-based store returned for a key, starting afresh as that program did.
// QSettings keeps what it read of a path and trusts it while the file's size and time stamp stay
// the same, which a rewrite within one tick of the file system's clock can keep; so it reads a
// copy under a name it has never seen.
std::optional<std::string> QSettingsValue(const QString& path, const QString& key) {
  static int copies = 0;
  const QString copy = QString("%1.earlier-%2").arg(path).arg(++copies);
  if (!QFile::copy(path, copy)) {
    return std::nullopt;
  }
  const QVariant value = QSettings(copy, QSettings::IniFormat).value(key);
  QFile::remove(copy);
  if (!value.isValid()) {
    return std::nullopt;
  }
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(',').toStdString();
  }
  return value.toString().toStdString();
}

}  // namespace

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

  // The XDG rules ignore a relative XDG_CONFIG_HOME; without a home the store keeps nothing and
  // a save says why, rather than writing below the current or the root folder.
  void theStoreLivesOnlyUnderAnAbsoluteFolder_data() {
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("expected");
    QTest::newRow("relative XDG_CONFIG_HOME")
        << QByteArray("relcfg") << QByteArray("/h") << "/h/.config/Quorvane/Quorvane.ini";
    QTest::newRow("empty XDG_CONFIG_HOME")
        << QByteArray("") << QByteArray("/h") << "/h/.config/Quorvane/Quorvane.ini";
    QTest::newRow("relative both") << QByteArray("relcfg") << QByteArray("relhome") << QString();
    QTest::newRow("neither") << QByteArray() << QByteArray() << QString();
  }
  void theStoreLivesOnlyUnderAnAbsoluteFolder() {
    QFETCH(QByteArray, configHome);
    QFETCH(QByteArray, home);
    QFETCH(QString, expected);
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    const QString savedFolder = QDir::currentPath();
    const auto set = [](const char* name, const QByteArray& value) {
      value.isNull() ? qunsetenv(name) : qputenv(name, value);
    };
    set("XDG_CONFIG_HOME", configHome);
    set("HOME", home);
    QTemporaryDir current;
    QDir::setCurrent(current.path());
    IniSettingsStore store;
    const QString path = store.FilePath();
    store.WriteSetting("Config", "Zoom", "7");
    // Only where no folder would be written.
    const SaveResult result = path.isEmpty() ? store.Sync() : SaveResult::NoHome;
    QDir::setCurrent(savedFolder);
    set("XDG_CONFIG_HOME", savedConfigHome);
    set("HOME", savedHome);
    QCOMPARE(path, expected);
    QCOMPARE(result, SaveResult::NoHome);
    QCOMPARE(QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
  }

  // A store far larger than the program writes is someone else's: its keys are read, but it is
  // never rewritten.
  void aLargeStoreIsReadButNeverRewritten() {
    const QString path = Path("large.ini");
    QByteArray contents = "[Config]\nZoom=7\nOrbit=True\n[Other]\n";
    while (contents.size() <= (1 << 20)) {
      contents += "Key" + QByteArray::number(contents.size()) + "=" + QByteArray(60, 'v') + "\n";
    }
    Write(path, contents);
    IniSettingsStore store(path);
    QCOMPARE(store.ReadSetting("Config", "Zoom", ""), std::string("7"));
    QCOMPARE(store.ReadSetting("Config", "Orbit", ""), std::string("True"));
    store.WriteSetting("Config", "Zoom", "8");
    QCOMPARE(store.Sync(), SaveResult::TooLarge);
    QCOMPARE(Contents(path), contents);
  }

  // A store linked in from elsewhere stays a link; the save goes to the file it names, whose
  // permissions are kept.
  void aLinkedStoreIsSavedThroughTheLink() {
    const QString target = Path("kept/elsewhere.ini");
    QVERIFY(QDir().mkpath(Path("kept")));
    Write(target, "[Config]\nZoom=2\n");
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    const QString link = Path("linked.ini");
    QVERIFY(QFile::link(target, link));
    IniSettingsStore store(link);
    store.WriteSetting("Config", "Zoom", "7");
    QCOMPARE(store.Sync(), SaveResult::Saved);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(Contents(target), QByteArray("[Config]\nZoom=7\n"));
    QCOMPARE(QFile::permissions(target) & 0x7077,
             QFile::ReadOwner | QFile::WriteOwner);  // owner, group, others
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
      QCOMPARE(store.Sync(), SaveResult::Saved);
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
      QCOMPARE(store.Sync(), SaveResult::Saved);
    }
    QCOMPARE(IniSettingsStore(path).ReadSetting("Config", "Zoom", ""), text.toStdString());
    // An earlier version of the program, reading the same file, sees the same text.
    QCOMPARE(QSettingsValue(path, "Config/Zoom"), std::optional(text.toStdString()));
  }

  // Files written or edited for earlier versions read exactly as those versions read them.
  void storedFormsReadAsBefore_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("plain") << QByteArray("[Config]\nZoom=5.0\n");
    QTest::newRow("at signs") << QByteArray("[Config]\nZoom=@@x\nOrbit=@ByteArray(4)\n");
    QTest::newRow("quoted list") << QByteArray("[Config]\nZoom=\"2,5\", 3 ,\" x\"\n");
    QTest::newRow("escapes") << QByteArray("[Config]\nZoom=\\x5730\\t\\\"\\101\\n\n");
    QTest::newRow("typed") << QByteArray("[Config]\nZoom=@String(3)\nOrbit=@Invalid()\n");
    QTest::newRow("comment") << QByteArray("[Config]\r\nZoom = 2.5 ; note\r\n");
    QTest::newRow("repeated") << QByteArray("[Config]\nZoom=1\n[X]\nZoom=2\n[Config]\nZoom=3\n");
    QTest::newRow("marked") << QByteArray("\xEF\xBB\xBF[Config]\nZoom=4\n");
    QTest::newRow("Japanese") << QByteArray("[Config]\nZoom=\xE5\x9C\xB0\xE7\x90\x83 \n");
  }
  void storedFormsReadAsBefore() {
    QFETCH(QByteArray, contents);
    const QString path = Path("old.ini");
    Write(path, contents);
    const IniSettingsStore store(path);
    for (const char* key : {"Zoom", "Orbit"}) {
      QCOMPARE(store.Value("Config", key), QSettingsValue(path, QString("Config/") + key));
    }
  }

  // Junk a reader cannot parse, typed values and broken UTF-8 in keys the program does not own:
  // saving succeeds, says so, and leaves all of it as it was.
  void savingKeepsWhatItDoesNotOwnAndReportsOnlyItself() {
    const QString path = Path("hostile.ini");
    const QByteArray unowned =
        "\xEF\xBB\xBF[Config]\nno equals\n[Broken\nX=@Variant(\\0\\x1)\nY=\xC3\x28\n\x01\x02\n";
    Write(path, unowned + "[UpdateInfo]\nCurrentVersion=0.9\n");
    IniSettingsStore store(path);
    store.WriteSetting("Config", "Zoom", "7");
    store.WriteSetting("UpdateInfo", "CurrentVersion", "1.01.0000");
    QCOMPARE(store.Sync(), SaveResult::Saved);
    QCOMPARE(Contents(path), QByteArray("\xEF\xBB\xBF[Config]\nno equals\nZoom=7\n") +
                                 unowned.mid(22) + "[UpdateInfo]\nCurrentVersion=1.01.0000\n");
  }

  // A start reads the store and writes its version record only when it is out of date.
  void aCurrentVersionRecordIsNotRewritten() {
    const QString path = Path("version.ini");
    {
      IniSettingsStore store(path);
      quorvane::WriteVersionInfo(store, "/opt/q");
    }
    struct stat first {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &first), 0);
    IniSettingsStore store(path);
    quorvane::WriteVersionInfo(store, "/opt/q");
    struct stat second {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &second), 0);
    QCOMPARE(second.st_ino, first.st_ino);
    QCOMPARE(store.ReadSetting("UpdateInfo", "ApplicationPath", ""), std::string("/opt/q"));
  }

  // A save waits only briefly for another process's lock, and a lock file an earlier version
  // left behind is no lock at all.
  void locksDoNotHoldUpASave() {
    QElapsedTimer hangDetector;
    hangDetector.start();
    QTemporaryDir folder;
    const QString path = folder.filePath("Quorvane.ini");
    Write(path + ".lock", "");
    IniSettingsStore store(path);
    store.WriteSetting("Config", "Zoom", "7");
    QCOMPARE(store.Sync(), SaveResult::Saved);
    QFile held(folder.filePath("Quorvane.lock"));
    QVERIFY(held.open(QIODevice::ReadWrite));
    QCOMPARE(::flock(held.handle(), LOCK_EX), 0);  // another process saving, never finishing
    store.WriteSetting("Config", "Zoom", "8");
    QCOMPARE(store.Sync(), SaveResult::Busy);
    QCOMPARE(IniSettingsStore(path).ReadSetting("Config", "Zoom", ""), std::string("7"));
    QVERIFY(hangDetector.elapsed() < 5000);
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
    QCOMPARE(store.Sync(), SaveResult::Saved);
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
    QCOMPARE(store.Sync(), SaveResult::NotWritable);
  }
};

QTEST_GUILESS_MAIN(IniSettingsStoreTest)
#include "ini_settings_store_test.moc"
