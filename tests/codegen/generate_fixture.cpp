#include "codegen/generate_fixture.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace qb::test {

namespace {

std::string MakeFolder(const TempDir& dir, const char* name) {
  fs::create_directories(dir.Path(name));
  return dir.Path(name);
}

}  // namespace

GenerateTest::GenerateTest()
    : project_dir_(MakeFolder(dir_, "project")),
      program_dir_(MakeFolder(dir_, "program")),
      project_path_((fs::path(project_dir_) / "Demo.qbp").string()),
      dialog_(ui_, {program_dir_, program_dir_}) {}

TChildFrm& GenerateTest::AddForm(const std::string& name, const std::string& title) {
  forms_.push_back(std::make_unique<TChildFrm>());
  forms_.back()->SetName(name);
  forms_.back()->Screen().SetTitle(title);
  return *forms_.back();
}

void GenerateTest::WriteProject(const std::string& more) {
  ASSERT_TRUE(WriteFileBytes(project_path_,
                             "[Project]\r\nName=" + project_path_ + "\r\nLib=1\r\n\r\n" + more));
}

void GenerateTest::Show(LibraryId library) {
  GenerateSession session;
  session.library = library;
  session.project_path = project_path_;
  session.project_name = "Demo";
  for (const auto& form : forms_) session.forms.push_back(form.get());
  dialog_.Show(session);
}

std::vector<std::string> GenerateTest::LinesOf(CodeText text) const {
  return dialog_.Area(text).Lines();
}

std::string GenerateTest::InProject(const std::string& name) const {
  return (fs::path(project_dir_) / name).string();
}

std::string GenerateTest::InProgram(const std::string& name) const {
  return (fs::path(program_dir_) / name).string();
}

void GenerateTest::InstallConverter() const {
  ASSERT_TRUE(WriteFileBytes(InProgram("makedoc.exe"), "converter"));
}

std::string GenerateTest::Expected(const std::string& relative) {
  const std::string path = std::string(QB_TEST_DATA_DIR) + "/codegen/generate/" + relative;
  EXPECT_TRUE(fs::exists(path)) << path;
  return ReadFileBytes(path);
}

CurrentFolder::CurrentFolder(const std::string& folder) : previous_(fs::current_path().string()) {
  fs::current_path(folder);
}

CurrentFolder::~CurrentFolder() {
  std::error_code ec;
  fs::current_path(previous_, ec);
}

}  // namespace qb::test
