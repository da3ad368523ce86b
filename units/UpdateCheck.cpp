#include "units/UpdateCheck.h"

#include "common/FileLocations.h"
#include "common/MakerSite.h"
#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "units/OwnVersion.h"

#include <array>
#include <fstream>
#include <system_error>

namespace varnel {

namespace {

using TValueGetter = std::string (*)(const TXMLXML_DIZ_INFOType&);

struct TDescribedValue {
    std::string_view Name;
    TValueGetter Get;
};

std::string VersionText(const TXMLXML_DIZ_INFOType& d) {
    const auto version = d.Program_Info().Program_Version();
    return version ? std::to_string(*version) : std::string();
}

// The values a description may give; anything else comes from the defaults
// only, so a stored file never chooses where the check fetches from.
constexpr std::array<TDescribedValue, 11> DescribedValues = {{
    {"Program_Name", [](const TXMLXML_DIZ_INFOType& d) { return d.Program_Info().Program_Name(); }},
    {"Program_Version", VersionText},
    {"Program_Release_Date",
     [](const TXMLXML_DIZ_INFOType& d) { return d.Program_Info().Program_Release_Date(); }},
    {"Program_Type", [](const TXMLXML_DIZ_INFOType& d) { return d.Program_Info().Program_Type(); }},
    {"Program_Release_Status",
     [](const TXMLXML_DIZ_INFOType& d) { return d.Program_Info().Program_Release_Status(); }},
    {"Program_Change_Info",
     [](const TXMLXML_DIZ_INFOType& d) { return d.Program_Info().Program_Change_Info(); }},
    {"Application_Info_URL",
     [](const TXMLXML_DIZ_INFOType& d) {
         return d.Web_Info().Application_URLs().Application_Info_URL();
     }},
    {"Application_Order_URL",
     [](const TXMLXML_DIZ_INFOType& d) {
         return d.Web_Info().Application_URLs().Application_Order_URL();
     }},
    {"Application_Screenshot_URL",
     [](const TXMLXML_DIZ_INFOType& d) {
         return d.Web_Info().Application_URLs().Application_Screenshot_URL();
     }},
    {"Application_Change_URL",
     [](const TXMLXML_DIZ_INFOType& d) {
         return d.Web_Info().Application_URLs().Application_Change_URL();
     }},
    {"Primary_Download_URL",
     [](const TXMLXML_DIZ_INFOType& d) {
         return d.Web_Info().Download_URLs().Primary_Download_URL();
     }},
}};

// The day a file's time marks, or nothing when there is no such file.
std::optional<TDay> MarkedDay(const std::filesystem::path& file) {
    std::error_code ec;
    if (!FileExists(file))
        return std::nullopt;
    const auto time = std::filesystem::last_write_time(file, ec);
    if (ec)
        return std::nullopt;
    return LocalDayOf(time);
}

void MarkDay(const std::filesystem::path& file, TDay day) {
    std::error_code ignored;
    std::filesystem::last_write_time(file, LocalMidnight(day), ignored);
}

std::string MakerAddress(std::string_view path) {
    return std::string(MakerSite::Host) + std::string(path);
}

} // namespace

std::filesystem::path WritableDescriptionFile() {
    return WritableFile(TWritableKind::Data, std::string(DescriptionFileName));
}

std::filesystem::path LocalDescriptionFile() {
    const std::filesystem::path written = WritableDescriptionFile();
    return FileExists(written) ? written : FindDataFile(std::string(DescriptionFileName));
}

TDescriptionDefaults ConverterDescriptionDefaults(int32_t ownVersion) {
    const std::string home = MakerAddress("/");
    return {
        {"Company_WebSite_URL", home},
        {"Contact_Email", MakerAddress("/survey/comment.html?sj=Kalto")},
        {"Program_Name", "Varnel Units Converter"},
        {"Program_Version", std::to_string(ownVersion)},
        {"Program_Release_Date", "11-04-2008"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "Major Update"},
        {"Program_Change_Info", "integrated mode, units data editor, log, etc."},
        {"Application_Info_URL", home},
        {"Application_Order_URL", MakerAddress("/down/kalto/index.htm")},
        {"Application_Screenshot_URL", home},
        {"Application_Change_URL", home},
        {"Primary_Download_URL", home},
        {"Application_XML_File_URL", MakerAddress(MakerSite::ProgramDescriptionPath)},
    };
}

bool CheckDue(TDay marked, TDay today) {
    return today > marked || marked > today + std::chrono::days(CheckIntervalDays);
}

TUpdateCheck::TUpdateCheck()
    : OwnVersion(varnel::OwnVersion()), XMLDocLocal(std::make_unique<TXmlDocument>()),
      XMLDocRemote(std::make_unique<TXmlDocument>()) {}

TUpdateCheck::~TUpdateCheck() = default;

void TUpdateCheck::LoadDescription(const std::filesystem::path& file) {
    Description = {};
    updateMessage_.clear();
    updateLink_.clear();
    localFile_ = file;
    if (!FileExists(file))
        return;
    try {
        XMLDocLocal->LoadFromFile(file);
        Description = GetXML_DIZ_INFO(*XMLDocLocal);
    } catch (const std::exception&) {
        // A damaged copy is replaced by the next good reply; until then the
        // defaults serve.
    }
}

std::string TUpdateCheck::DescriptionValue(std::string_view name) const {
    if (name.empty())
        return {};
    std::string value;
    if (Description)
        for (const TDescribedValue& described : DescribedValues)
            if (described.Name == name)
                value = Trim(described.Get(Description));
    if (!value.empty())
        return value;
    for (const auto& [key, defaultValue] : Defaults)
        if (SameText(key, name))
            return defaultValue;
    return {};
}

TUpdateCheck::TStart TUpdateCheck::BeginCheck(TDay today) noexcept {
    try {
        const int32_t known = ReadProgramVersion(DescriptionValue("Program_Version")).value_or(0);
        if (OwnVersion < known) {
            AnnounceUpdate();
            return TStart::NewerKnown;
        }
        for (const auto& file : {localFile_, RetryFile()})
            if (const auto marked = MarkedDay(file); marked && !CheckDue(*marked, today))
                return TStart::NotDue;
        return TStart::FetchDue;
    } catch (...) {
        return TStart::NotDue;
    }
}

bool TUpdateCheck::FinishCheck(std::string_view reply, TDay today) noexcept {
    try {
        XMLDocRemote->LoadFromText(DescriptionTextFromBytes(reply));
        const TXMLXML_DIZ_INFOType fetched = GetXML_DIZ_INFO(*XMLDocRemote);
        if (!fetched) {
            FailCheck(today);
            return false;
        }
        const bool newer = OwnVersion < fetched.Program_Info().Program_Version().value_or(0);
        const bool written = (newer || !Description || !FileExists(WritableFile)) && WriteFetched();
        if (newer) {
            if (written)
                LoadDescription(WritableFile);
            else
                AdoptFetched();
            AnnounceUpdate();
        }
        MarkDay(WritableFile, today + std::chrono::days(CheckIntervalDays));
        std::error_code ignored;
        std::filesystem::remove(RetryFile(), ignored);
        return newer;
    } catch (...) {
        FailCheck(today);
        return false;
    }
}

void TUpdateCheck::FailCheck(TDay today) noexcept {
    try {
        const std::filesystem::path retry = RetryFile();
        if (retry.empty())
            return;
        std::ofstream(retry, std::ios::binary | std::ios::trunc).close();
        MarkDay(retry, today);
    } catch (...) {
        // Nowhere to note it: the next start tries again.
    }
}

std::filesystem::path TUpdateCheck::RetryFile() const {
    if (WritableFile.empty())
        return {};
    return std::filesystem::path(WritableFile).replace_extension(".retry");
}

void TUpdateCheck::AnnounceUpdate() {
    updateMessage_ = UpdateMessageText;
    updateLink_ = DescriptionValue("Application_Change_URL");
}

bool TUpdateCheck::WriteFetched() noexcept {
    try {
        if (WritableFile.empty())
            return false;
        WriteXmlTextFile(XMLDocRemote->Xml(), WritableFile);
        return true;
    } catch (...) {
        return false; // a folder we may not write: the check goes on quietly
    }
}

// The fetched description serves this run when it could not be stored.
void TUpdateCheck::AdoptFetched() {
    std::swap(XMLDocLocal, XMLDocRemote);
    Description = GetXML_DIZ_INFO(*XMLDocLocal);
    updateMessage_.clear();
    updateLink_.clear();
}

} // namespace varnel
