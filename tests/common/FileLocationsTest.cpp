#include "common/FileLocations.h"
#include "common/ProgramFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace varnel {
namespace {

namespace fs = std::filesystem;

// Sets (or with nothing, removes) an environment variable for one test.
class EnvironmentScope {
public:
    EnvironmentScope(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        Apply(value);
    }
    ~EnvironmentScope() { Apply(old_); }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

// A scratch root holding a home folder and either a portable program folder
// or an installed prefix (bin/ beside share/varnel/).
class FileLocations : public ::testing::Test {
protected:
    void UseLayout(bool installed) {
        const fs::path bin = installed ? root / "prefix" / "bin" : root / "portable";
        fs::create_directories(bin);
        if (installed)
            fs::create_directories(root / "prefix" / "share" / "varnel");
        SetProgramFolder(bin);
    }
    void TearDown() override { SetProgramFolder({}); }
    void Touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        test::WriteBytes(file, "x");
    }

    test::TempFolder root;
    EnvironmentScope home{"HOME", (root / "home").string()};
    EnvironmentScope config{"XDG_CONFIG_HOME", std::nullopt};
    EnvironmentScope data{"XDG_DATA_HOME", std::nullopt};
};

TEST_F(FileLocations, WritableFilesFollowTheLayout) {
    struct Row {
        const char* name;
        bool installed;
        std::optional<std::string> xdgConfig, xdgData; // "@x": folder x of the scratch root
        std::string configFolder, dataFolder;          // relative to the scratch root
    };
    const Row rows[] = {
        {"portable keeps files beside the program", false, "/elsewhere", "/elsewhere", "portable",
         "portable"},
        {"installed, XDG defaults under HOME", true, std::nullopt, std::nullopt,
         "home/.config/varnel", "home/.local/share/varnel"},
        {"installed, XDG folders set", true, "@xdgc", "@xdgd", "xdgc/varnel", "xdgd/varnel"},
        {"installed, relative XDG values ignored", true, "rel/c", "rel/d", "home/.config/varnel",
         "home/.local/share/varnel"},
        {"installed, empty XDG values ignored", true, "", "", "home/.config/varnel",
         "home/.local/share/varnel"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        UseLayout(row.installed);
        auto absolute = [&](const std::optional<std::string>& v) -> std::optional<std::string> {
            if (!v || v->rfind('@', 0) != 0)
                return v;
            return (root / v->substr(1)).string();
        };
        EnvironmentScope c("XDG_CONFIG_HOME", absolute(row.xdgConfig));
        EnvironmentScope d("XDG_DATA_HOME", absolute(row.xdgData));
        EXPECT_EQ(IsPortable(), !row.installed);
        EXPECT_EQ(WritableFile(TWritableKind::Config, "VarnelKalto.ini"),
                  root / row.configFolder / "VarnelKalto.ini");
        EXPECT_EQ(WritableFile(TWritableKind::Data, "ZureVave.log"),
                  root / row.dataFolder / "ZureVave.log");
        // The per-user folder is there to be written into.
        EXPECT_TRUE(fs::is_directory(root / row.dataFolder));
    }
}

TEST_F(FileLocations, DataFileLookupOrder) {
    UseLayout(true);
    const fs::path beside = ProgramFolder() / "Varnel.unt";
    const fs::path user = root / "home/.local/share/varnel/Varnel.unt";
    const fs::path installed = root / "prefix/share/varnel/Varnel.unt";

    EXPECT_EQ(FindDataFile("Varnel.unt"), installed) << "nothing anywhere: the shipped place";
    Touch(installed);
    EXPECT_EQ(FindDataFile("Varnel.unt"), installed);
    Touch(user);
    EXPECT_EQ(FindDataFile("Varnel.unt"), user) << "the user's copy wins over the installed one";
    Touch(beside);
    EXPECT_EQ(FindDataFile("Varnel.unt"), beside);
    fs::create_directories(root / "prefix/share/varnel/help");
    EXPECT_EQ(FindDataFile("help"), root / "prefix/share/varnel/help") << "folders are found too";
}

} // namespace
} // namespace varnel
