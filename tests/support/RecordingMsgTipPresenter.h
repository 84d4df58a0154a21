#pragma once
// Test double for message tips: records every tip and answers questions from a script.
// Installs itself for its lifetime and restores the presenter it replaced.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "host/IMsgTipPresenter.h"

namespace mdvr::test {

struct RecordedTip {
    std::wstring text;
    std::wstring title;
    int type;
};

class RecordingMsgTipPresenter : public IMsgTipPresenter {
  public:
    RecordingMsgTipPresenter() : m_previous(SetMsgTipPresenter(this)) {}
    ~RecordingMsgTipPresenter() override { SetMsgTipPresenter(m_previous); }
    RecordingMsgTipPresenter(const RecordingMsgTipPresenter&) = delete;
    RecordingMsgTipPresenter& operator=(const RecordingMsgTipPresenter&) = delete;

    // Queues the answers to the next questions (1 confirms); unscripted questions get 0.
    void AnswerNext(std::initializer_list<int> answers) {
        m_answers.insert(m_answers.end(), answers.begin(), answers.end());
    }

    int ShowMsgTip(std::wstring_view text, std::wstring_view title, int type) override {
        m_tips.push_back({std::wstring(text), std::wstring(title), type});
        if (type != kMsgTipQuestion || m_answers.empty()) return 0;
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    const std::vector<RecordedTip>& Tips() const { return m_tips; }
    // The text of the last tip, empty when none was shown.
    std::wstring LastText() const { return m_tips.empty() ? std::wstring() : m_tips.back().text; }
    size_t PendingAnswers() const { return m_answers.size(); }
    void Clear() {
        m_tips.clear();
        m_answers.clear();
    }

  private:
    IMsgTipPresenter* m_previous;
    std::deque<int> m_answers;
    std::vector<RecordedTip> m_tips;
};

}  // namespace mdvr::test
