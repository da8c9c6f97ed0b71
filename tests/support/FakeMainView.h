#pragma once

// A main view that records what the logic shows and answers Yes/No boxes
// from a queue prepared by the test.

#include "core/MainView.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lumbrant {

class FakeMainView : public MainView {
public:
    void ShowStatus(const std::string& text) override { StatusTexts.push_back(text); }
    void SetButtonCaption(const std::string& caption) override {
        ButtonCaptions.push_back(caption);
    }
    void ShowRunProgress(int handled, int total) override { Progress.emplace_back(handled, total); }
    std::string CountryEntryText() const override { return CountryText; }
    void ClearDeviceEntries() override {
        DeviceEntries.clear();
        SelectedDeviceEntry = -1;
    }
    void AddDeviceEntry(const std::string& text) override {
        DeviceEntries.push_back(text);
        SelectedDeviceEntry = static_cast<int>(DeviceEntries.size()) - 1;
    }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    // Answers from Answers in order; None (the box closed without a choice) when none is left.
    BoxAnswer AskYesNo(const std::string& text) override {
        Questions.push_back(text);
        if (WhileAsking) {
            WhileAsking();
        }
        if (Answers.empty()) {
            return BoxAnswer::None;
        }
        const BoxAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void CloseWindow() override { ++CloseCount; }

    std::string LastStatus() const {
        return StatusTexts.empty() ? std::string() : StatusTexts.back();
    }

    std::vector<std::string> StatusTexts;
    std::vector<std::string> ButtonCaptions;
    std::vector<std::pair<int, int>> Progress; // handled, total
    std::string CountryText;
    std::vector<std::string> DeviceEntries;
    int SelectedDeviceEntry = -1; // 0-based; -1 when the selector is empty
    std::vector<std::string> Messages;
    std::vector<std::string> Questions;
    std::deque<BoxAnswer> Answers;
    // What happens behind a Yes/No box while it is open.
    std::function<void()> WhileAsking;
    int CloseCount = 0;
};

} // namespace lumbrant
