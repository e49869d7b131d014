#include "files/managed_file_texts.hpp"

#include <array>

namespace orve {

namespace {

const char* const kProceedTitle = "Proceeding with base editing";
const char* const kProceedText = "Do you wish to proceed with editing the base ";
const char* const kCreated = " has been created.";
const char* const kDeleted = " has been deleted.";

const std::array<ManagedFileTexts, 9> kTexts = {{
    {"Rule Base", "RU*.EEB", "Declare name of new Rule Base (RUKnowledge_Base_Name.EEB)",
     "New Rule Base ", kCreated, "Creating a new Rule Base", kProceedTitle, kProceedText, "RU*.EEB",
     "Pick Rule Base for Editing", "RU*.EEB", "Pick Rule Base for Deleting",
     "Deleting the Rule Base", "Do you really wish to delete the Rule Base ", "The Rule Base ",
     kDeleted},
    {"Model Base", "MO*.EEB", "Declare name of new Model Base (MOKnowledge_Base.EEB)",
     "New Model Base ", kCreated, "Creating a new Model Base", kProceedTitle, kProceedText,
     "MO*.EEB", "Pick Model Base for Editing", "MO*.EEB", "Pick Model Base for Deleting",
     "Deleting the Model Base", "Do you really wish to delete the Model Base ", "The Model Base ",
     kDeleted},
    {"Constraint Base", "CO*.EEB",
     "Declare name of new Constraint Base (COKnowledge_Base_Name.EEB)", "New Constraint Base  ",
     kCreated, "Creating a new Constraint Base", kProceedTitle, kProceedText, "CO*.EEB",
     "Pick Constraint Base for Editing", "Co*.EEB", "Pick Constraint Base for Deleting",
     "Deleting the Constraint Base", "Do you really wish to delete the Constraint Base ",
     "The Constraint Base ", kDeleted},
    {"Advice Base", "AD*.EEB", "Declare name of new Advice Base (ADKnowledge_Base_Name.EEB)",
     "New Advice Base ", kCreated, "Creating a new Advice Base", kProceedTitle, kProceedText,
     "AD*.EEB", "Pick Advice Base for Editing", "AD*.EEB", "Pick Advice Base for Deleting",
     "Deleting Advice Base", "Do you really wish to delete the Advice Base  ", "The Advice Base ",
     kDeleted},
    {"Graphics Base", "GR*.EEB", "Declare name of new Graphic Base (GRKnowledge_Base_Name.EEB)",
     "New Graphic Base ", kCreated, "Creating a new Graphic Base",
     "Proceeding with Graphic Base editing ",
     "Do you wish to proceed with editing the new Graphic Base  ", "GR*.EEB",
     "Pick Graphic Base for Editing   ", "GR*.EEB", "Pick a Graphic Base for deleting",
     "Deleting the Graphic Base", "Do you really wish to delete the Graphic Base ",
     "The Graphic Base ", kDeleted},
    {"Sound Base", "So*.EEB", "Declare name of new  Sound Base (SOKnowledge_Base_Name.EEB)",
     "New  Sound Base ", kCreated, "Creating a new Sound Base",
     "Proceeding with Sound Base editing",
     "Do you wish to proceed with editing the new Sound Base ", "So*.EEB",
     "Pick Sound Base for Editing", "So*.EEB", "Pick a Sound Base for deleting",
     "Deleting the Sound Base", "Do you really wish to delete the Sound Base  ", "The Sound Base ",
     kDeleted},
    {"Advice Text File", "*.hlp", "Creating Advice File", "New Advice File ", " has been created!",
     "Creating Advice File", "Creating Advice File",
     "Do you wish to proceed with editing the Advice File", "", "", "*.hlp", "Deleting Advice File",
     "Deleting Advice File  ", "Do you really wish to delete the Advice  File ",
     "Advice Text File ", " has been deleted!"},
    {"Graphic File", "", "", "", "", "", "", "", "", "", "*.bmp",
     "Pick the Graphic File to be deleted!", "Delete the Graphic File",
     "Do you really wish to delete the Graphic File  ", "The Graphic File ", kDeleted},
    {"Sound File", "", "", "", "", "", "", "", "", "", "*.wav",
     "Pick the Sound File to be deleted!", "Delete the Sound File",
     "Do you really wish to delete the Sound File ", "Sound File ", kDeleted},
}};

} // namespace

const ManagedFileTexts& managed_file_texts(ManagedFile kind) {
    return kTexts[static_cast<std::size_t>(kind)];
}

} // namespace orve
