// The prompts of the dimension pick and the value entry, which every pattern's
// dialogue shows alike.
#ifndef LEDGEWRIGHT_TESTS_DIALOGUE_DIALOGUE_PROMPTS_H
#define LEDGEWRIGHT_TESTS_DIALOGUE_DIALOGUE_PROMPTS_H

inline constexpr const char* kDimensionPrompt = "수치변경하실 치수지시 :";
inline constexpr const char* kValuePrompt = "변경수치 입력 :";

#endif  // LEDGEWRIGHT_TESTS_DIALOGUE_DIALOGUE_PROMPTS_H
