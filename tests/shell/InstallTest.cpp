#include <gtest/gtest.h>

#include "base/Files.h"
#include "shell/Startup.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TestApp;

TEST(InstallMode, DeletesWorkFilesAndKeepsTheCompanies) {
  TestApp t;
  t.PutBookFiles();
  for (const char* name :
       {"LASTDATA.TXT", "statchap.htm", "GENERIC.TXT", "temp.txt", "TEMPHTML.HTM", "OUTPUT.HTM"})
    t.Put(name, "x\r\n");
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
  t.PutLines("ACME.KVX", test::SampleDataSet());
  t.Put("chap01.htm", "page\r\n");
  t.Put("UPDATE.DAT", "update");
  int windows = 0;
  t.app.hooks.runMainWindow = [&](App&) { ++windows; };

  EXPECT_EQ(t.Run([](App& app) { ProgramEntry(app, "INSTALL"); }), 0);

  for (const char* name : {"LASTDATA.TXT", "statchap.htm", "GENERIC.TXT", "temp.txt",
                           "TEMPHTML.HTM", "OUTPUT.HTM", "UPDATE.DAT"})
    EXPECT_FALSE(t.Has(name)) << name;
  for (const char* name : {"NDEXDATA.TXT", "ACME.KVX", "chap01.htm", "chap01.dat"})
    EXPECT_TRUE(t.Has(name)) << name;
  EXPECT_EQ(t.Get("public/UPDATE.DAT"), "update");
  EXPECT_EQ(windows, 0);
  EXPECT_EQ(t.Output(),
            "== QUICK\ntext:\n  Installation of Corvanta was successful.\n  \n"
            "  To start the program and select a state edition, click on the Opusgrand (QV) "
            "desktop icon.... Exiting now....\n\n");
}

TEST(InstallMode, ConvertsOldDataSetNamesWhenAsked) {
  TestApp t;
  t.PutLines("LASTDATA.TXT", {"acme.dat"});
  t.PutLines("NDEXDATA.TXT", {"acme.dat", "", "SHOP.DAT", "GONE.DAT", "KEEP.KVX", "CLASH.DAT"});
  t.PutLines("acme.dat", test::SampleDataSet());
  t.Put("SHOP.DAT", "shop");
  t.Put("KEEP.KVX", "keep");
  t.Put("CLASH.DAT", "old");
  t.Put("CLASH.KVX", "new");
  t.Put("COMPAT.KVX", "");
  t.Run([](App& app) { ProgramEntry(app, "install"); });

  // LASTDATA.TXT is removed by the install step after the conversion rewrote it.
  EXPECT_FALSE(t.Has("LASTDATA.TXT"));
  EXPECT_TRUE(t.Has("ACME.KVX"));
  EXPECT_FALSE(t.Has("acme.dat"));
  EXPECT_EQ(t.Get("SHOP.KVX"), "shop");
  EXPECT_EQ(t.Get("KEEP.KVX"), "keep");
  EXPECT_EQ(t.Get("CLASH.KVX"), "new") << "an existing data set is never overwritten";
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ACME.KVX\r\nSHOP.KVX\r\nKEEP.KVX\r\nCLASH.KVX\r\n");
  EXPECT_FALSE(t.Has("COMPAT.KVX"));
}

TEST(InstallMode, LeavesNamesAloneWithoutTheMarker) {
  TestApp t;
  t.PutLines("NDEXDATA.TXT", {"SHOP.DAT"});
  t.Put("SHOP.DAT", "shop");
  t.Run([](App& app) { ProgramEntry(app, "INSTALL"); });
  EXPECT_TRUE(t.Has("SHOP.DAT"));
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "SHOP.DAT\r\n");
}

}  // namespace
}  // namespace kvx
