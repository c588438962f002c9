#include "workstation/lock/slf_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_dialogs.h"
#include "fake/recording_process_launcher.h"

namespace ostrel {
namespace {

using Kind = SlfControlKind;

// Records what the load does to the surface; pictures named "broken" cannot be loaded.
class RecordingSurface : public SlfSurface {
public:
    explicit RecordingSurface(std::vector<std::string>& events) : events_(events) {}

    void HideAll() override { events_.push_back("hide all"); }
    std::optional<std::string> Apply(const SlfControl& control) override {
        events_.push_back("apply " + control.section);
        applied.push_back(control);
        if (control.kind == Kind::kPicture && control.fileName.ends_with("broken.png")) {
            return "the picture cannot be loaded";
        }
        return std::nullopt;
    }

    std::vector<SlfControl> applied;

private:
    std::vector<std::string>& events_;
};

// Notes the stop calls in the shared event list, to check their place in the sequence.
class SequencedLauncher : public RecordingProcessLauncher {
public:
    explicit SequencedLauncher(std::vector<std::string>& events) : events_(events) {}
    int Start(const std::string& program, const std::vector<std::string>& arguments) override {
        events_.push_back("start " + program + " " + arguments.front());
        return RecordingProcessLauncher::Start(program, arguments);
    }

private:
    std::vector<std::string>& events_;
};

class SlfLoaderTest : public testing::Test {
protected:
    void Load(const std::string& layout) {
        files_.SetFile(kPath, layout);
        LoadSLFLayout(kPath, context_, surface_, services_);
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : dialogs_.boxes) {
            EXPECT_EQ(box.icon, MessageIcon::kError);
            EXPECT_TRUE(box.topmost);
            texts.push_back(box.text);
        }
        return texts;
    }

    static constexpr const char* kPath = "/opt/ostrel/layouts/slf/test.slf";
    std::vector<std::string> events_;
    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/opt/ostrel/"};
    RecordingDialogs dialogs_;
    SequencedLauncher launcher_{events_};
    PluginHost plugins_{launcher_, log_};
    RecordingSurface surface_{events_};
    SlfContext context_{"/opt/ostrel/", "Away"};
    SlfLoadServices services_{files_, dialogs_, plugins_};
};

TEST_F(SlfLoaderTest, BuildsEverySectionInOrderAfterHidingTheSurface) {
    Load("[EXITOKBUTTON2]\nleft=10\n[LABEL1]\n[MYLABEL]\n[MESSAGECOUNTLABEL]\n");
    EXPECT_EQ(events_,
              (std::vector<std::string>{"hide all", "apply EXITOKBUTTON2", "apply EXITOKBUTTON2",
                                        "apply LABEL1", "apply MESSAGECOUNTLABEL"}));
    EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(SlfLoaderTest, StartsPluginsInTheirRectangleAndStopsThemAtTheNextLoad) {
    Load("[PLUGIN1]\nfilename=Weather\nleft=10\ntop=20\nwidth=300\nheight=40\n");
    ASSERT_EQ(launcher_.calls.size(), 1u);
    EXPECT_EQ(launcher_.calls[0],
              (RecordingProcessLauncher::Call{"/opt/ostrel/Plugins/Weather",
                                              {"OSTREL_START_PLUGIN", "10", "20", "300", "40"}}));
    EXPECT_EQ(plugins_.Loaded(), std::vector<std::string>{"/opt/ostrel/Plugins/Weather"});
    EXPECT_TRUE(surface_.applied.empty());

    events_.clear();
    Load("[LABEL1]\n");
    EXPECT_EQ(events_,
              (std::vector<std::string>{"start /opt/ostrel/Plugins/Weather OSTREL_STOP_PLUGIN",
                                        "hide all", "apply LABEL1"}));
    EXPECT_TRUE(plugins_.Loaded().empty());
}

TEST_F(SlfLoaderTest, MissingPluginLeavesARedBoxWithTheErrorNumber) {
    launcher_.failures["/opt/ostrel/Plugins/nothere"] = kLaunchFileNotFound;
    Load("[PLUGIN]\nfilename=nothere\nleft=5\ntop=6\nwidth=70\nheight=80\n[LABEL1]\n");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                              "The plug-in could not be started: /opt/ostrel/Plugins/nothere"});
    ASSERT_EQ(surface_.applied.size(), 2u);
    const SlfControl& box = surface_.applied[0];
    EXPECT_EQ(box.kind, Kind::kGroupBox);
    EXPECT_EQ(box.caption, "Plugin Error #2");
    EXPECT_EQ(box.backColour, 0x000000FFu);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 6);
    EXPECT_EQ(box.width, 70);
    EXPECT_EQ(box.height, 80);
    EXPECT_EQ(surface_.applied[1].section, "LABEL1");
    EXPECT_TRUE(plugins_.Loaded().empty());
}

TEST_F(SlfLoaderTest, PictureThatCannotBeLoadedEndsTheLoadThere) {
    Load("[LABEL1]\n[IMAGE1]\nfilename=broken.png\n[PLUGIN]\nfilename=late\n[LABEL2]\n");
    EXPECT_EQ(events_, (std::vector<std::string>{"hide all", "apply LABEL1", "apply IMAGE1"}));
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"Error in layout /opt/ostrel/layouts/slf/test.slf: Section "
                                       "[IMAGE1], key filename: the picture cannot be loaded."});
    EXPECT_TRUE(launcher_.calls.empty());
}

TEST_F(SlfLoaderTest, BadColourShowsItsReasonAfterBuildingWhatCameBefore) {
    Load("[BackGround]\ncolor=clNavy\n[LABEL1]\nbackcolor=navyish\n[LABEL2]\n");
    EXPECT_EQ(events_, (std::vector<std::string>{"hide all", "apply BackGround"}));
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"Error in layout /opt/ostrel/layouts/slf/test.slf: Section "
                                       "[LABEL1], key backcolor: \"navyish\" is not a valid "
                                       "colour."});
}

TEST_F(SlfLoaderTest, UnreadableFileLeavesTheSurfaceHiddenAndSaysSo) {
    LoadSLFLayout("/nowhere.slf", context_, surface_, services_);
    EXPECT_EQ(events_, std::vector<std::string>{"hide all"});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The layout /nowhere.slf cannot be read."});
}

TEST(PluginProtocolTest, CommandTexts) {
    EXPECT_EQ(PluginStartParameters(10, 20, 300, 40), "OSTREL_START_PLUGIN 10 20 300 40");
    EXPECT_EQ(PluginStartParameters(-5, 0, 0, 7), "OSTREL_START_PLUGIN -5 0 0 7");
    EXPECT_EQ(PluginErrorCaption(2), "Plugin Error #2");
    EXPECT_EQ(PluginProgramPath("/opt/ostrel/", "clock"), "/opt/ostrel/Plugins/clock");
}

TEST(PluginHostTest, KnowsItsProgramsWithoutRegardToCaseAndStopsEachOnce) {
    FakeFileSystem files;
    FakeClock clock;
    EventLog log(files, clock, "/data/", "/prog/");
    RecordingProcessLauncher launcher;
    launcher.failures["/p/Plugins/bad"] = kLaunchAccessDenied;
    PluginHost host(launcher, log);

    EXPECT_EQ(host.Start("/p/Plugins/Clock", "OSTREL_START_PLUGIN  1 2   3 4"), kLaunchStarted);
    EXPECT_EQ(host.Start("/p/Plugins/bad", "OSTREL_START_PLUGIN 1 2 3 4"), kLaunchAccessDenied);
    EXPECT_EQ(launcher.calls[0].arguments,
              (std::vector<std::string>{"OSTREL_START_PLUGIN", "1", "2", "3", "4"}));
    EXPECT_TRUE(host.IsLoaded("/P/plugins/clock"));
    EXPECT_FALSE(host.IsLoaded("/p/Plugins/Clo"));
    EXPECT_FALSE(host.IsLoaded("/p/Plugins/bad"));
    EXPECT_EQ(host.LoadedText(), "/p/plugins/clock\r\n");

    launcher.calls.clear();
    host.UnloadPlugins();
    host.UnloadPlugins();
    EXPECT_EQ(launcher.calls, (std::vector<RecordingProcessLauncher::Call>{
                                  {"/p/Plugins/Clock", {"OSTREL_STOP_PLUGIN"}}}));
}

}  // namespace
}  // namespace ostrel
