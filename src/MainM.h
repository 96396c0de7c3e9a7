#pragma once

// Every header that declares an operation of MainM, for code that wants them all.
#include "app/StartUp.h"
#include "editors/ProjectEditing.h"
#include "editors/SubjectEditing.h"
#include "list/DisplayList.h"
#include "model/DayNumbers.h"
#include "model/StoredText.h"
#include "model/Tables.h"
#include "model/Wording.h"
#include "store/ProjectsFile.h"
#include "store/SettingsFile.h"
#include "store/SubjectsFile.h"
#include "transfer/Transfer.h"
