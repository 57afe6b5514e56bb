#include "career/Academic.h"

#include <algorithm>

#include "ask/Question.h"
#include "career/AcademicCourses.h"
#include "career/MedicalFlight.h"
#include "career/Psionics.h"
#include "career/SkillTables.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"
#include "text/Text.h"

namespace orrimar {

namespace {

const std::string NoStudies = "No academic studies before enlistment";

void College(Game& g) {
    auto& c = g.career.Character;
    if (!Admitted(g, Course::College)) return;
    if (!PassCourseThrow(g, Course::College, Stage::Success)) {
        AddHistory(g, "- failed");
        SpendYears(g, 1);
        return;
    }
    AddHistory(g, "- passed");
    SpendYears(g, 4);
    const std::string type = UCase(Trim(g.rules.Service.Type.Text));
    bool otc = false, notc = false;  // commissioned through either corps
    if (type == "ARMY" || type == "MARINE") {
        if (AskAcademic(g, "Attempt OTC ?") && PassThrow(g, OtcThrow)) {
            AddHistory(g, "OTC");
            GrantOfficerRank(g.career, g.rules);
            otc = true;
        }
    } else if (type == "NAVY" || type == "COAFCSD") {
        if (AskAcademic(g, "Attempt NOTC ?") && PassThrow(g, NotcThrow)) {
            AddHistory(g, "NOTC");
            GrantOfficerRank(g.career, g.rules);
            notc = true;
        }
    }
    EducationGain(g, 2, " EDU");
    if (!PassCourseThrow(g, Course::College, Stage::Honours)) return;
    // One more, and at least 10; like every gain, within the species maximum.
    RaisedCharacteristic(g, StatEdu, std::max(c.Stats[StatEdu] + 1, 10));
    AddHistory(g, "Hons");
    // Naval cadets too are offered medical school first.
    if ((otc || notc) && AskAcademic(g, "Apply for medical school?")) {
        MedicalSchool(g);
        return;
    }
    if (notc && AskAcademic(g, "Apply for flight school?")) FlightSchool(g);
}

void MilitaryAcademy(Game& g) {
    if (!Admitted(g, Course::MilitaryAcademy)) return;
    if (!PassCourseThrow(g, Course::MilitaryAcademy, Stage::Success)) {
        AddHistory(g, "- failed");
        return;
    }
    for (const char* skill :
         {"Tactics", "Leader", "Admin", "HEAVY WEAPONS", "Forward Observer", "Computer"})
        TrySkill(g, 1, 4, skill);
    EducationGain(g, 3, " Edu");
    if (PassCourseThrow(g, Course::MilitaryAcademy, Stage::Honours)) {
        AddHistory(g, "- Hons");
        // Honours graduates may later transfer to the branches marked /TN1.
        g.career.Character.BranchOpen[1] = 1;
    }
    SpendYears(g, 4);
    GrantCourseRank(g.career, g.rules, 11);
    ShowCharacter(g, "Graduated");
}

void MerchantAcademy(Game& g) {
    if (!Admitted(g, Course::MerchantAcademy)) return;
    if (!PassCourseThrow(g, Course::MerchantAcademy, Stage::Success)) {
        AddHistory(g, "- failed");
        return;
    }
    for (int i = 0; i < 3; ++i) RollSkill(g);
    EducationGain(g, 3, " Edu");
    if (PassCourseThrow(g, Course::MerchantAcademy, Stage::Honours)) {
        AddHistory(g, "- Hons");
        GrantCourseRank(g.career, g.rules, 2);
    }
    SpendYears(g, 4);
    ShowCharacter(g, "Graduated");
}

void NavalAcademy(Game& g) {
    if (!Admitted(g, Course::NavalAcademy)) return;
    if (!PassCourseThrow(g, Course::NavalAcademy, Stage::Success)) {
        AddHistory(g, "- failed");
        SpendYears(g, 1);
        return;
    }
    AddHistory(g, "- passed");
    SpendYears(g, 4);
    GrantCourseRank(g.career, g.rules, 11);
    EducationGain(g, 3, " EDU");
    for (const char* skill : {"Vacc Suit", "Navigation", "Engineering"}) TrySkill(g, 1, 4, skill);
    if (!PassCourseThrow(g, Course::NavalAcademy, Stage::Honours)) return;
    AddHistory(g, "Hons");
    if (AskAcademic(g, "Apply for medical school?")) {
        MedicalSchool(g);
        return;
    }
    if (AskAcademic(g, "Apply for flight school?")) {
        FlightSchool(g);
        ShowCharacter(g, "Graduated");
    }
}

void GraduateSchool(Game& g) {
    if (!Admitted(g, Course::GraduateSchool)) return;
    if (!PassCourseThrow(g, Course::GraduateSchool, Stage::Success)) {
        AddHistory(g, "- failed");
        SpendYears(g, 4);
        return;
    }
    int major = 3;
    if (PassCourseThrow(g, Course::GraduateSchool, Stage::Honours)) {
        AddHistory(g, "- Honours");
        major = 4;
    }
    const bool explain = !g.career.Character.Opt(OptSortSkills);
    if (explain)
        g.ui.Message("Select a skill to be the character's MAJOR field of study",
                     g.session.AppTitle, MsgIcon::None);
    AddSkill(g, "OASCIENCE-" + std::to_string(major));
    if (explain)
        g.ui.Message("Select a skill to be the character's MINOR field of study",
                     g.session.AppTitle, MsgIcon::None);
    AddSkill(g, "OASCIENCE-1");
    SpendYears(g, 3);
}

// Resolves one course by name (already logged). Returns false when the
// course sends the character back to the selection list.
bool ResolveCourse(Game& g, const std::string& course) {
    if (course == "College") {
        College(g);
    } else if (course == "Military Academy") {
        MilitaryAcademy(g);
    } else if (course == "Merchant Academy") {
        MerchantAcademy(g);
    } else if (course == "Naval Academy") {
        NavalAcademy(g);
    } else if (course == "Graduate School") {
        GraduateSchool(g);
    } else if (course == "Psionic Training") {
        PsionicTraining(g);
        return false;
    } else {
        DataProblemMet(g, "Academic option not recognized!");
    }
    return true;
}

std::string SelectionList(const Game& g) {
    std::string list;
    list.reserve(128);
    for (int i = 1; i <= ServiceRecord::MaxAcademic; ++i) {
        const std::string course = Trim(g.rules.Service.Academic[i]);
        if (course.empty() || course == "Flight School" || course == "Medical School") continue;
        if (course == "Psionic Training" && g.career.Character.PsiTrained == 1) continue;
        list.append(course) += '/';
    }
    return list + NoStudies;
}

}  // namespace

void AcademicInPlaceOfSpecial(Game& g, const std::string& course) {
    if (course == "Medical School") {
        MedicalSchool(g);
    } else if (course == "Flight School") {
        FlightSchool(g);
    } else {
        if (!IsBlank(course)) AddHistory(g, course);
        // A career year is at stake here, so psionic training does not
        // lead back to the list of courses before enlistment.
        ResolveCourse(g, course);
    }
}

void AcademicOptions(Game& g) {
    while (true) {
        const std::string list = SelectionList(g);
        const Picked picked = Answer(
            g, PickQuestion{
                   .Choices = list, .Title = "Select academic option", .When = AutoWhen::Never});
        // Closing the window chooses no studies, as the last choice does.
        if (picked.Index == 0 || picked.Text == NoStudies) return;
        const std::string course(picked.Text);
        AddHistory(g, course);
        if (ResolveCourse(g, course)) return;
    }
}

}  // namespace orrimar
