#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "model/SamplePlan.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

// A session on the sample plan whose plan folder is a fresh temporary folder,
// with the scripted platform doubles: for the open and save flows.
class PlanFolderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPlan(session.plan, 2026);
    session.working.PlanFolder = folder.path().toStdString() + "/";
  }

  QString InFolder(const QString& name) const { return QDir(folder.path()).filePath(name); }

  QTemporaryDir folder;
  Session session;
  ScriptedPlatform scripted;
};
