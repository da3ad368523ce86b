#pragma once

#include "units/CalendarDay.h"
#include "units/ProgramDescription.h"
#include "units/XmlDocument.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnel {

inline constexpr std::string_view DescriptionFileName = "Kalto.xml";
inline constexpr std::string_view UpdateMessageText = "New program update is available.";
// A successful check dates the next one this many days ahead.
inline constexpr int CheckIntervalDays = 30;

// Where a fetched description is written, with its date.
std::filesystem::path WritableDescriptionFile();
// The description read at start-up: the written one when there is one.
std::filesystem::path LocalDescriptionFile();

using TDescriptionDefaults = std::vector<std::pair<std::string, std::string>>;
// The converter's built-in description values, in their order, for a
// program of that version.
TDescriptionDefaults ConverterDescriptionDefaults(int32_t ownVersion);

// The program description behind the About box and the monthly update check.
// The local description's file time is the day before which no check runs; a
// failed check leaves the description alone and is retried the next day.
class TUpdateCheck {
public:
    enum class TStart {
        NewerKnown, // the local description already names a newer version
        NotDue,
        FetchDue,
    };

    TUpdateCheck();
    ~TUpdateCheck();
    TUpdateCheck(const TUpdateCheck&) = delete;
    TUpdateCheck& operator=(const TUpdateCheck&) = delete;

    TDescriptionDefaults Defaults;
    int32_t OwnVersion = 0;
    // Where CheckUpdate writes a fetched description.
    std::filesystem::path WritableFile;

    // A missing, unreadable or foreign file leaves no description: every
    // value then comes from Defaults.
    void LoadDescription(const std::filesystem::path& file);
    std::string DescriptionValue(std::string_view name) const;
    bool HasDescription() const { return static_cast<bool>(Description); }

    // The first half of the check: what the local description knows, and
    // whether a fetch is due today. Never throws.
    TStart BeginCheck(TDay today) noexcept;
    std::string FetchAddress() const { return DescriptionValue("Application_XML_File_URL"); }
    // The second half, with the fetched bytes: true when they name a newer
    // version. Anything unusable counts as a failed check. Never throws.
    bool FinishCheck(std::string_view reply, TDay today) noexcept;
    // No reply: the next check runs tomorrow. Never throws.
    void FailCheck(TDay today) noexcept;

    const std::string& UpdateMessage() const { return updateMessage_; }
    const std::string& UpdateLink() const { return updateLink_; }

    // The file whose time marks a failed check.
    std::filesystem::path RetryFile() const;

private:
    void AnnounceUpdate();
    bool WriteFetched() noexcept;
    void AdoptFetched();

    std::unique_ptr<TXmlDocument> XMLDocLocal;
    std::unique_ptr<TXmlDocument> XMLDocRemote;
    std::filesystem::path localFile_;
    TXMLXML_DIZ_INFOType Description;
    std::string updateMessage_;
    std::string updateLink_;
};

// Whether a check is due on a day, given the day a file's time marks. A day
// further ahead than any check sets (the clock was set back) does not wait.
bool CheckDue(TDay marked, TDay today);

} // namespace varnel
