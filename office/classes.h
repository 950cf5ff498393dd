// The module's eight classes.
#pragma once

#include "office/excel/qn_excel.h"
#include "office/mail/mapi/qn_mapi.h"
#include "office/mail/outlook/qn_outlook.h"
#include "office/mail/outlook/qn_outlook97.h"
#include "office/mail/qn_internet.h"
#include "office/mail/qn_mail.h"
#include "office/word/qn_word.h"
#include "office/word/qn_word97.h"
