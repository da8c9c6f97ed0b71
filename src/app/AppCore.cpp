#include "app/AppCore.h"

#include "core/LogClass.h"
#include "frontpage/FrontPageParser.h"
#include "core/Paths.h"
#include "core/Messages.h"
#include "text/ByteText.h"
#include "text/FileIo.h"

#include <exception>

namespace lumbrant {

AppCore::AppCore(MainState& state, AppPorts ports)
    : state_(state), view_(ports.View), queue_(state.StoryLists), notes_(state),
      transfer_(state, ports.View), detection_(state, ports.View, ports.Drives),
      run_(state, ports.View, ports.Jobs, transfer_, queue_),
      articles_(
          state, queue_,
          [this](const std::string& text, const std::string& title, const std::string& url) {
              notes_.WriteNewsNote(text, title, url);
          },
          [this](int slot) { run_.StartArticleSlot(slot); }),
      settings_(state, ports.Settings, ports.Startup, ports.ExecutablePath) {}

void AppCore::Construct() {
    try {
        settings_.ReadRegistry();
        for (auto& list : state_.StoryLists) {
            list.clear();
        }
    } catch (const std::exception& error) {
        TLogClass::WriteLog(state_.LogCounter, state_.WorkDir,
                            std::string("FormCreate:") + error.what());
    }
}

bool AppCore::FormCreate() {
    state_.Running = false;
    state_.StopRequested = false;
    state_.FinishedSlots = 0;
    state_.StartedSlots = 0;
    state_.NoteCounter = 0;
    return state_.AG;
}

void AppCore::ShowFirstTime() {
    const bool found = detection_.GetiPodDriver();
    view_.ShowStatus(found ? "Ready to Getting News..." : "No iPod Detected...");
}

void AppCore::FormClose() {
    settings_.WriteRegistry();
}

void AppCore::SunSimpleComboBoxCloseUp(int chosenIndex) {
    state_.CountryIndex = chosenIndex;
}

void AppCore::Deliver(const JobMessage& message) {
    if (message.Message == WM_FRONT_PAGE_DONE) {
        run_.FrontPageDelivered();
        if (message.WParam != FETCH_FAILED) {
            state_.FrontPageText = message.PageText;
        }
        OnFrontPageDone();
        return;
    }
    const int slot = SlotForArticleMessage(message.Message);
    if (slot == 0) {
        return;
    }
    if (message.WParam != FETCH_FAILED) {
        const std::size_t index = static_cast<std::size_t>(slot - 1);
        state_.SlotPageText[index] = message.PageText;
        state_.SlotCategoryCode[index] = message.CategoryCode;
        state_.SlotStoryId[index] = message.StoryId;
    }
    articles_.OnArticleDone(slot, message.WParam);
}

void AppCore::OnFrontPageDone() {
    try {
        text::WriteFileAtomic(JoinPath(state_.WorkDir, "google.html"),
                              text::NormalizeLines(state_.FrontPageText));
    } catch (const std::exception& error) {
        // Without its page copy the parse does not run, and a run that parses
        // nothing would never end: say why, and go back to Idle.
        view_.ShowMessage(error.what());
        run_.AbandonRun("OnFrontPageDone:", error.what());
        return;
    }
    ParseFrontPageSections(state_.FrontPageText, state_.StoryLists);
    run_.StartArticlePhase();
}

} // namespace lumbrant
