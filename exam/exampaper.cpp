#include "exampaper.h"

std::array<_Tk, ExamLength + 1> ExamPaper;
