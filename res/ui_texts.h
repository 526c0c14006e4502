// The program's own user-facing texts, by number: the lines of
// res/ui_texts.txt in order (checked at build time), kept by the Windows
// build as CP932 resources. The logic only ever names them; the seam shows
// a text by its number, as Windows loads a resource.
#pragma once

enum UiText {
  kTextConfigError,       // configuration cannot be opened
  kTextErrorTitle,
  kTextReleaseKeys,       // key-release warning
  kTextNoticeTitle,
  kTextVersion,
  kTextVersionTitle,
  kTextBrowseCopy,
  kTextBrowseCopyInternal,
  kTextBrowseMove,
  kTextBrowseMoveInternal,
  kTextTooLongNames,  // names too long for a path were left out
  kTextMoreNames,     // "and N more", formatted with the number
  kTextFolderMissing, // a destination folder vanished
  kTextInvalidNames,  // names no file can have were left out
  kTextTooLongAdvice,  // what the user can do about each kind
  kTextInvalidAdvice,
  kTextRecentDestinations,  // the submenu of recent destinations
  kTextThisFolder,          // a live folder's own item
  kTextNewFolderItem,
  kTextUnshownFolders,      // "%d" folders whose names cannot show
  kTextMoreFolders,         // "%d" more folders, through the browser
  kTextNoResponse,          // the folder was not listed in time
  kTextNotFound,            // the folder is gone
  kTextNewFolderTitle,
  kTextNewFolderPrompt,     // followed by the parent folder
  kTextNameEmpty,           // refusals of a new folder's name
  kTextNameBadCharacter,
  kTextNameBadEnd,
  kTextNameDevice,
  kTextNameTooLong,
  kTextNameIsFile,
  kTextFolderNotMade,       // a new folder could not be made
  kTextFinderTitle,         // the finder's window
  kTextFinderNothing,       // the finder's greyed row when nothing matches
  kTextCancel,
  kTextBatchUnsafeNames,   // names a batch program cannot be handed safely
  kTextBatchUnsafeAdvice,
  kTextGroupSentNothing,    // a group whose folders are all missing
  kTextGroupSentNothingAdvice,
  kTextCommandTooLong,      // "%d" names: a program's command line too long
  kTextCommandTooLongAdvice,
  kUiTextCount,
};
