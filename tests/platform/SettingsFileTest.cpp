#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "app/StartUp.h"
#include "platform/QtSettingsStore.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

// A settings file that is a named pipe (or anything but a regular file) must
// not block the start: the program starts with its defaults and says that
// nothing is remembered.
namespace {

// Builds the store on another thread; a construction still waiting after two
// seconds is released by a writer on the pipe and counts as blocked.
std::unique_ptr<QtSettingsStore> OpenWithoutBlocking(const QString& file, bool& blocked) {
  auto opening = std::async(std::launch::async, [file] { return std::make_unique<QtSettingsStore>(file); });
  blocked = opening.wait_for(std::chrono::seconds(2)) == std::future_status::timeout;
  if (blocked) {
    QFile writer(file);
    if (writer.open(QIODevice::WriteOnly)) writer.close();
  }
  return opening.get();
}

TEST(SettingsFileTest, ANamedPipeIsLeftAloneAndValuesLiveInMemory) {
  QTemporaryDir folder;
  const QString file = QDir(folder.path()).filePath("Plandra.conf");
  ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
  bool blocked = false;
  const auto store = OpenWithoutBlocking(file, blocked);
  EXPECT_FALSE(blocked);
  EXPECT_TRUE(store->Problem().contains("named pipe")) << store->Problem().toStdString();
  EXPECT_TRUE(store->Problem().contains("remembers nothing"));
  EXPECT_FALSE(store->Contains("myTop"));
  store->SetInteger("myTop", 7);
  EXPECT_EQ(store->Integer("myTop"), 7);
  EXPECT_EQ(QFileInfo(file).isFile(), false);
}

TEST(SettingsFileTest, LinksThatLeadNowhereAreRefusedAndRegularFilesWork) {
  QTemporaryDir folder;
  const QString dangling = QDir(folder.path()).filePath("dangling.conf");
  ASSERT_TRUE(QFile::link(QDir(folder.path()).filePath("absent.conf"), dangling));
  EXPECT_TRUE(SettingsFileProblem(dangling).contains("does not exist"));
  EXPECT_TRUE(SettingsFileProblem(QDir(folder.path()).filePath("new.conf")).isEmpty());

  const QString file = QDir(folder.path()).filePath("real.conf");
  {
    QtSettingsStore store(file);
    EXPECT_TRUE(store.Problem().isEmpty());
    store.SetText("PathFileName", "/home/ann/Ann.plan");
  }
  EXPECT_EQ(QtSettingsStore(file).Text("PathFileName"), "/home/ann/Ann.plan");
}

TEST(SettingsFileTest, TheCheckedFileIsTheOneQtReads) {
  const QSettings settings(QSettings::UserScope, "QTX Technology", "Plandra");
  ASSERT_FALSE(UserSettingsFiles().isEmpty());
  EXPECT_EQ(UserSettingsFiles().first(), settings.fileName());
}

class UnusableSettings : public MemorySettings {
 public:
  QString Problem() const override { return "The settings file cannot be used."; }
};

TEST(SettingsFileTest, StartUpSaysNothingIsRemembered) {
  QTemporaryDir program;
  QTemporaryDir documents;
  UnusableSettings settings;
  Session session;
  StartUpInputs inputs;
  inputs.programFolder = program.path();
  inputs.documentsFolder = documents.path();
  EXPECT_EQ(RunStartUp(session, settings, inputs), "The settings file cannot be used.");
  EXPECT_EQ(session.geometry.GraphHeight, 574);
}

}  // namespace
