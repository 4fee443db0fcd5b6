// Recovery sets: written every few seconds while something is modified (never during an
// action or a modal dialog), found after a run that did not end cleanly, never the set of an
// instance still running, removed by a clean exit and by saving everything; at the next start
// the question, and Yes brings the work back.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include "app/recovery_store.h"
#include "controls/CCButton.h"
#include "form/edit_transaction.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;
using std::chrono::seconds;

struct FakeClock {
  Clock::time_point now = Clock::time_point(seconds(1'800'000'000));
  RecoveryStore::Clock Fn() {
    return [this] { return now; };
  }
};

RecoveryContent SampleContent() {
  RecoveryContent c;
  c.has_project = true;
  c.project_name = "Demo";
  c.project_path = "/work/Demo.qbp";
  c.library = LibraryId::kPToolboxLib;
  c.forms = {{"Form1", "", "[FORM]\r\nName=Form1\r\nLib=2\r\n"},
             {"Form2", "/work/Form2.qbf", ""},
             {"Form3", "/work/Form3.qbf", "[FORM]\r\nName=Form3\r\nLib=2\r\nTitle=New\r\n"}};
  c.unopened = {"/work/gone.qbf"};
  return c;
}

void ExpectSameContent(const RecoveryContent& a, const RecoveryContent& b) {
  EXPECT_EQ(a.has_project, b.has_project);
  EXPECT_EQ(a.project_name, b.project_name);
  EXPECT_EQ(a.project_path, b.project_path);
  EXPECT_EQ(a.library, b.library);
  ASSERT_EQ(a.forms.size(), b.forms.size());
  for (std::size_t i = 0; i < a.forms.size(); ++i) {
    EXPECT_EQ(a.forms[i].name, b.forms[i].name);
    EXPECT_EQ(a.forms[i].path, b.forms[i].path);
    EXPECT_EQ(a.forms[i].content, b.forms[i].content);
  }
  EXPECT_EQ(a.unopened, b.unopened);
}

TEST(RecoveryStoreTest, ALiveInstancesSetIsNeverOffered) {
  TempDir dir;
  FakeClock clock;
  auto first = std::make_unique<RecoveryStore>(dir.Path("rec"), "first", clock.Fn());
  ASSERT_TRUE(first->Write(SampleContent()));
  EXPECT_TRUE(first->HasSet());
  RecoveryStore second(dir.Path("rec"), "second", clock.Fn());
  EXPECT_TRUE(second.Orphans().empty());
  // The first instance ends without removing its set, as a killed process does.
  first.reset();
  const std::vector<RecoverySet> found = second.Orphans();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].written, clock.now);
  EXPECT_EQ(found[0].folder, dir.Path("rec/first"));
  ExpectSameContent(found[0].content, SampleContent());
  // The instance's own set is not an orphan.
  ASSERT_TRUE(second.Write(SampleContent()));
  EXPECT_EQ(second.Orphans().size(), 1u);
}

TEST(RecoveryStoreTest, RemoveDiscardAndAdopt) {
  TempDir dir;
  FakeClock clock;
  const std::string root = dir.Path("rec");
  {
    RecoveryStore clean(root, "clean", clock.Fn());
    ASSERT_TRUE(clean.Write(SampleContent()));
    clean.Remove();  // a clean exit
    EXPECT_FALSE(clean.HasSet());
    EXPECT_FALSE(fs::exists(clean.Folder()));
  }
  for (const char* id : {"old", "new"}) {
    RecoveryStore crashed(root, id, clock.Fn());
    ASSERT_TRUE(crashed.Write(SampleContent()));
    clock.now += seconds(5);
  }
  RecoveryStore later(root, "later", clock.Fn());
  std::vector<RecoverySet> found = later.Orphans();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].folder, dir.Path("rec/new"));  // newest first
  ASSERT_TRUE(later.Discard(found[0]));
  EXPECT_TRUE(fs::exists(dir.Path("rec/discarded/set.ini")));
  // Only the last discarded set is kept.
  ASSERT_TRUE(later.Discard(found[1]));
  EXPECT_FALSE(fs::exists(dir.Path("rec/new")));
  EXPECT_FALSE(fs::exists(dir.Path("rec/old")));
  EXPECT_TRUE(later.Orphans().empty());

  auto crashed = std::make_unique<RecoveryStore>(root, "crashed", clock.Fn());
  ASSERT_TRUE(crashed->Write(SampleContent()));
  crashed.reset();
  found = later.Orphans();
  ASSERT_EQ(found.size(), 1u);
  ASSERT_TRUE(later.Adopt(found[0]));
  EXPECT_TRUE(later.HasSet());
  EXPECT_TRUE(fs::exists(dir.Path("rec/later/set.ini")));
  RecoveryStore another(root, "another", clock.Fn());
  EXPECT_TRUE(another.Orphans().empty());  // held by the instance that adopted it
}

TEST(RecoveryStoreTest, AWriteReplacesTheLastOnesCopies) {
  TempDir dir;
  FakeClock clock;
  auto store = std::make_unique<RecoveryStore>(dir.Path("rec"), "me", clock.Fn());
  RecoveryContent content = SampleContent();
  ASSERT_TRUE(store->Write(content));
  content.forms[0].content = "[FORM]\r\nName=Form1\r\nLib=2\r\nTitle=Later\r\n";
  content.forms.pop_back();
  ASSERT_TRUE(store->Write(content));
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(store->Folder()))
    files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"form0-2.qbf", "lock", "set.ini"}));
  RecoveryStore reader(dir.Path("rec"), "reader", clock.Fn());
  store.reset();
  const std::vector<RecoverySet> found = reader.Orphans();
  ASSERT_EQ(found.size(), 1u);
  ExpectSameContent(found[0].content, content);
}

TEST(RecoveryStoreTest, TheFolderFollowsTheStateVariables) {
  struct Case {
    std::optional<std::string> state, home;
    std::string folder;
  };
  const Case cases[] = {
      {"/s", "/h", "/s/quillboard/recovery"},
      {"relative", "/h", "/h/.local/state/quillboard/recovery"},
      {std::nullopt, "/h", "/h/.local/state/quillboard/recovery"},
      {std::nullopt, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    SettingsEnvironment env{[&c](const char* name) -> std::optional<std::string> {
      if (std::string(name) == "XDG_STATE_HOME") return c.state;
      if (std::string(name) == "HOME") return c.home;
      return std::nullopt;
    }};
    EXPECT_EQ(RecoveryFolder(env), c.folder) << c.state.value_or("-");
  }
}

TEST(RecoveryStoreTest, TheIntervalComesFromTheSettings) {
  struct Case {
    const char* text;
    int seconds;
  };
  const Case cases[] = {{"", 60},
                        {"[AutoSave]\r\nSeconds=2\r\n", 2},
                        {"[AutoSave]\r\nSeconds=0\r\n", 0},
                        {"[AutoSave]\r\nSeconds=-5\r\n", 60},
                        {"[AutoSave]\r\nSeconds=often\r\n", 60},
                        {"[AutoSave]\r\nSeconds=999999\r\n", 60}};
  for (const Case& c : cases) {
    IniFile ini;
    ini.Parse(c.text);
    EXPECT_EQ(ReadGeneralSettingsFromIni(ini).autosave_seconds, c.seconds) << c.text;
  }
}

// The main window's side: a fake clock, the store in a temporary folder.
class Recovery : public ::testing::Test {
 protected:
  struct Instance {
    FakeUi ui;
    std::unique_ptr<TMain> main;
  };
  std::unique_ptr<Instance> Launch(const std::string& id) {
    auto instance = std::make_unique<Instance>();
    instance->main =
        std::make_unique<TMain>(instance->ui, dir_.Path("program"), WritableEnvironment());
    TMain& main = *instance->main;
    main.SetRecoveryStore(std::make_unique<RecoveryStore>(Root(), id, clock_.Fn()));
    main.SetAutoSaveSeconds(60);
    main.FirstShown();
    return instance;
  }
  std::string Root() const { return dir_.Path("state/quillboard/recovery"); }
  // A new project with two buttons placed and nothing saved.
  void MakeWork(Instance& in) {
    StartNewProject(*in.main, in.ui, LibraryId::kCControls);
    TChildFrm& w = *in.main->State().windows.at(0);
    EditTransaction edit(in.main->State(), &w);
    for (const char* name : {"Work0", "Work1"})
      w.Screen().AddChild(std::make_unique<TCCButton>(&w.Document()))->SetName(name);
  }
  bool TickAfter(Instance& in, int delay) {
    clock_.now += seconds(delay);
    return in.main->AutoSaveTick();
  }
  bool SetOnDisk() const { return fs::exists(Root()) && !fs::is_empty(Root()); }

  TempDir dir_;
  FakeClock clock_;
};

TEST_F(Recovery, WrittenOnlyWhenDueModifiedAndNothingIsOpen) {
  std::filesystem::create_directory(dir_.Path("program"));
  auto first = Launch("first");
  TMain& main = *first->main;
  EXPECT_FALSE(TickAfter(*first, 0));  // starts the interval
  EXPECT_FALSE(TickAfter(*first, 100));
  EXPECT_FALSE(SetOnDisk());  // nothing modified
  MakeWork(*first);
  EXPECT_FALSE(TickAfter(*first, 59));
  EXPECT_FALSE(SetOnDisk());
  {
    TChildFrm& w = *main.State().windows.at(0);
    EditTransaction edit(main.State(), &w);
    w.Screen().SetTitle("Half done");
    EXPECT_FALSE(TickAfter(*first, 1));  // due, but an action is under way
  }
  // A modal dialog may hold an editor's copy: not now either.
  first->ui.AnswerDialog([&](DialogModel&) {
    EXPECT_FALSE(TickAfter(*first, 1));
    return false;
  });
  main.View().ShowOptions();
  EXPECT_FALSE(SetOnDisk());
  EXPECT_TRUE(TickAfter(*first, 1));
  EXPECT_TRUE(SetOnDisk());
  EXPECT_EQ(main.RecoveryNote().rfind("Recovery copy written at ", 0), 0u) << main.RecoveryNote();
  // Nothing changed since: no new write, however long.
  EXPECT_FALSE(TickAfter(*first, 600));
  {
    EditTransaction edit(main.State(), main.State().windows.at(0).get());
    main.State().windows.at(0)->Screen().SetTitle("More");
  }
  EXPECT_FALSE(TickAfter(*first, 30));
  EXPECT_TRUE(TickAfter(*first, 30));
  // The user's folder holds nothing of it: no form or project file was written.
  EXPECT_TRUE(main.State().project_path.empty());
  EXPECT_TRUE(main.State().windows.at(0)->Path().empty());
  // A clean exit removes it.
  main.Finish();
  EXPECT_FALSE(SetOnDisk());
}

TEST_F(Recovery, AfterAKillTheQuestionAndYesBringsTheWorkBack) {
  std::filesystem::create_directory(dir_.Path("program"));
  auto first = Launch("first");
  MakeWork(*first);
  TickAfter(*first, 0);
  ASSERT_TRUE(TickAfter(*first, 60));
  // A second instance started meanwhile offers nothing of the first one's live work.
  auto second = Launch("second");
  EXPECT_FALSE(second->main->OfferRecovery());
  EXPECT_TRUE(second->ui.ShownLog().empty());
  second.reset();
  first.reset();  // killed: no Finish

  auto third = Launch("third");
  TMain& main = *third->main;
  third->ui.AnswerMessage(kMbYes);
  ASSERT_TRUE(main.OfferRecovery());
  EXPECT_EQ(third->ui.Texts(), std::vector<std::string>{"Quillboard did not close normally. "
                                                        "Recover the unsaved work of Project1?"});
  EXPECT_EQ(third->ui.ShownLog()[0].caption, "Recover");
  EXPECT_EQ(third->ui.ShownLog()[0].buttons, kMbYesNo);
  ASSERT_EQ(main.State().windows.size(), 1u);
  TChildFrm& w = *main.State().windows[0];
  EXPECT_NE(w.FindControl("Work0"), nullptr);
  EXPECT_NE(w.FindControl("Work1"), nullptr);
  EXPECT_TRUE(main.Modified(w));
  EXPECT_EQ(w.Path(), "");
  EXPECT_EQ(w.Caption(), "Form1.qbf");
  EXPECT_EQ(main.State().project_name, "Project1");
  EXPECT_EQ(main.State().project_path, "");  // never saved: comes back untitled
  EXPECT_EQ(main.Caption(), "Quillboard 1.21 - Project1");
  EXPECT_EQ(main.State().library, LibraryId::kCControls);

  // Saved under a name: the set goes, and the next start asks nothing.
  third->ui.AnswerFile(dir_.Path("Saved.qbp"));
  third->ui.AnswerFile(dir_.Path("Saved.qbf"));
  ASSERT_TRUE(main.Project().SaveProjectAs());
  EXPECT_FALSE(SetOnDisk());
  third.reset();
  auto fourth = Launch("fourth");
  EXPECT_FALSE(fourth->main->OfferRecovery());
  EXPECT_TRUE(fourth->ui.ShownLog().empty());
}

TEST_F(Recovery, NoKeepsTheSetAsDiscardedAndAsksNoMore) {
  std::filesystem::create_directory(dir_.Path("program"));
  auto first = Launch("first");
  MakeWork(*first);
  TickAfter(*first, 0);
  ASSERT_TRUE(TickAfter(*first, 60));
  first.reset();
  auto second = Launch("second");
  second->ui.AnswerMessage(kMbNo);
  EXPECT_FALSE(second->main->OfferRecovery());
  EXPECT_EQ(second->ui.ShownLog().size(), 1u);
  EXPECT_TRUE(second->main->State().windows.empty());
  EXPECT_TRUE(fs::exists(Root() + "/discarded/set.ini"));
  second.reset();
  auto third = Launch("third");
  EXPECT_FALSE(third->main->OfferRecovery());
  EXPECT_TRUE(third->ui.ShownLog().empty());
}

// A saved project: only the modified form is in the set; recovery reads the other from its
// file, and the modified one's file stays as it was until the user saves.
TEST_F(Recovery, SavedFormsComeBackFromTheirFilesAndModifiedOnesFromTheSet) {
  std::filesystem::create_directory(dir_.Path("program"));
  const std::string alpha = dir_.Path("alpha.qbf");
  const std::string beta = dir_.Path("beta.qbf");
  const std::string project = dir_.Path("p.qbp");
  ASSERT_TRUE(WriteFileBytes(alpha, "[FORM]\r\nName=Alpha\r\nLib=1\r\n"));
  ASSERT_TRUE(WriteFileBytes(beta, "[FORM]\r\nName=Beta\r\nLib=1\r\nTitle=Old\r\n"));
  ASSERT_TRUE(WriteFileBytes(project, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + alpha +
                                          "\r\nForm1=" + beta +
                                          "\r\nForm2=" + dir_.Path("gone.qbf") + "\r\n"));
  auto first = Launch("first");
  first->ui.AnswerFile(project);
  first->main->Project().OpenProject();
  ASSERT_EQ(first->main->State().windows.size(), 2u);
  {
    EditTransaction edit(first->main->State(), first->main->State().windows[1].get());
    first->main->State().windows[1]->Screen().SetTitle("New");
  }
  TickAfter(*first, 0);
  ASSERT_TRUE(TickAfter(*first, 60));
  first.reset();

  auto second = Launch("second");
  TMain& main = *second->main;
  second->ui.AnswerMessage(kMbYes);
  ASSERT_TRUE(main.OfferRecovery());
  EXPECT_EQ(second->ui.Texts().at(0),
            "Quillboard did not close normally. Recover the unsaved work of p?");
  EXPECT_EQ(main.State().project_path, project);
  ASSERT_EQ(main.State().windows.size(), 2u);
  TChildFrm& a = *main.State().windows[0];
  TChildFrm& b = *main.State().windows[1];
  EXPECT_EQ(a.Name(), "Alpha");
  EXPECT_FALSE(main.Modified(a));
  EXPECT_EQ(b.Name(), "Beta");
  EXPECT_EQ(b.Screen().Title(), "New");
  EXPECT_TRUE(main.Modified(b));
  EXPECT_EQ(b.Path(), beta);
  EXPECT_EQ(b.Caption(), "beta.qbf");
  EXPECT_EQ(ReadFileBytes(beta), "[FORM]\r\nName=Beta\r\nLib=1\r\nTitle=Old\r\n");
  // The form the project listed but could not open is still listed on saving.
  second->ui.AnswerMessage(kMbYes);
  second->ui.AnswerMessage(kMbYes);
  ASSERT_TRUE(main.Project().SaveProject());
  IniFile saved;
  ASSERT_TRUE(saved.Load(project));
  EXPECT_EQ(saved.Keys("ActiveForms").size(), 3u);
}

}  // namespace
}  // namespace qb::test

namespace qb::test {
namespace {

// A set.ini written by hand or damaged: what cannot be trusted is left out, nothing outside
// the set is read, and the rest still comes back.
TEST(RecoveryStoreTest, AHostileIndexIsReadSafely) {
  struct Case {
    const char* what;
    std::string index;
    std::size_t forms;  // forms that come back
  };
  const Case cases[] = {
      {"copy outside the set", "[Recovery]\r\n[Form0]\r\nName=A\r\nCopy=../outside.qbf\r\n", 0},
      {"copy of the parent", "[Recovery]\r\n[Form0]\r\nName=A\r\nCopy=..\r\n", 0},
      {"copy missing, file named",
       "[Recovery]\r\n[Form0]\r\nName=A\r\nPath=/x/a.qbf\r\nCopy=gone.qbf\r\n", 1},
      {"form without a name", "[Recovery]\r\n[Form0]\r\nPath=/x/a.qbf\r\n", 0},
      {"time and library nonsense",
       "[Recovery]\r\nWritten=99999999999999999999999\r\nLib=7\r\n[Form0]\r\nName=A\r\n"
       "Copy=own.qbf\r\n",
       1},
      {"no Recovery section", "[Form0]\r\nName=A\r\nCopy=own.qbf\r\n", 0},
  };
  for (const Case& c : cases) {
    TempDir dir;
    fs::create_directories(dir.Path("rec/x"));
    ASSERT_TRUE(WriteFileBytes(dir.Path("rec/outside.qbf"), "[FORM]\r\nName=Secret\r\n"));
    ASSERT_TRUE(WriteFileBytes(dir.Path("rec/x/own.qbf"), "[FORM]\r\nName=A\r\n"));
    ASSERT_TRUE(WriteFileBytes(dir.Path("rec/x/set.ini"), c.index));
    FakeClock clock;
    RecoveryStore store(dir.Path("rec"), "me", clock.Fn());
    const std::vector<RecoverySet> found = store.Orphans();
    const std::size_t forms = found.empty() ? 0 : found[0].content.forms.size();
    EXPECT_EQ(forms, c.forms) << c.what;
    for (const RecoverySet& set : found) {
      EXPECT_EQ(set.content.library, LibraryId::kCControls) << c.what;
      for (const RecoveryForm& form : set.content.forms)
        EXPECT_EQ(form.content.find("Secret"), std::string::npos) << c.what;
    }
  }
  // A set whose index is a folder is no set.
  TempDir dir;
  fs::create_directories(dir.Path("rec/x/set.ini"));
  FakeClock clock;
  EXPECT_TRUE(RecoveryStore(dir.Path("rec"), "me", clock.Fn()).Orphans().empty());
}

}  // namespace
}  // namespace qb::test
