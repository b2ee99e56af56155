/* Identifiers of the toolkit's own resources. A program that uses the toolkit builds them
   in by including GuiToolkitResources.rc in its resource script. */
#ifndef GUITOOLKIT_CORE_GUITOOLKITRESOURCES_H
#define GUITOOLKIT_CORE_GUITOOLKITRESOURCES_H

#define IDS_GT_MENU_BAR 16006
#define IDS_GT_INTERNAL_ERROR 16008
#define IDS_GT_CANNOT_COPY_IMAGE 16010
#define IDS_GT_EXPAND_MENU 16025
#define IDS_GT_TEAR_OFF_TIP 16028
#define IDS_GT_UNTITLED 16104
#define IDS_GT_RESET_TOOLBAR 16111
/* The customization sheet: its title, its Close button, the catalogue's names and the
   toolbars page's prompts. */
#define IDS_GT_NEW_MENU 16014
#define IDS_GT_CUSTOMIZE 16103
#define IDS_GT_CLOSE 16105
#define IDS_GT_DELETE_TOOLBAR 16109
#define IDS_GT_ALL_COMMANDS 16110
#define IDS_GT_RESET_ALL_TOOLBARS 16112
#define IDS_GT_TOO_MANY_TOOLBARS 16243
/* The customization sheet's pages, the toolbar name dialog and their controls. */
#define IDD_GT_COMMANDS_PAGE 16104
#define IDC_GT_CATEGORIES 16601
#define IDC_GT_COMMANDS 16602
#define IDC_GT_DESCRIPTION 16603
#define IDD_GT_TOOLBARS_PAGE 16105
#define IDC_GT_TOOLBARS 16611
#define IDC_GT_TEXT_LABELS 16612
#define IDC_GT_RESET_TOOLBAR 16613
#define IDC_GT_RESET_ALL 16614
#define IDC_GT_NEW_TOOLBAR 16615
#define IDC_GT_RENAME_TOOLBAR 16616
#define IDC_GT_DELETE_TOOLBAR 16617
#define IDD_GT_TOOLBAR_NAME 16130
#define IDC_GT_TOOLBAR_NAME 16516
#define IDD_GT_MENU_PAGE 16134
#define IDD_GT_MOUSE_PAGE 16135
#define IDD_GT_KEYBOARD_PAGE 16136
#define IDD_GT_OPTIONS_PAGE 16137
#define IDD_GT_TOOLS_PAGE 16928
/* The sheet's help button, in 16 and in high colour. */
#define IDB_GT_HELP 16131
#define IDB_GT_HELP_HIGH_COLOR 17067
/* The built-in smart-docking markers. */
#define IDB_GT_MARKER_TOP 17033
#define IDB_GT_MARKER_BOTTOM 17034
#define IDB_GT_MARKER_LEFT 17035
#define IDB_GT_MARKER_CENTRE 17036
#define IDB_GT_MARKER_RIGHT 17037
/* A button's menu in customize mode, and its commands. */
#define IDR_GT_CUSTOMIZE_MENU 16102
#define ID_GT_CUSTOMIZE_RESET 16910
#define ID_GT_CUSTOMIZE_COPY_IMAGE 16911
#define ID_GT_CUSTOMIZE_DELETE 16912
#define ID_GT_CUSTOMIZE_APPEARANCE 16913
#define ID_GT_CUSTOMIZE_IMAGE 16914
#define ID_GT_CUSTOMIZE_TEXT 16915
#define ID_GT_CUSTOMIZE_IMAGE_AND_TEXT 16916
#define ID_GT_CUSTOMIZE_START_GROUP 16917
#define ID_GT_CUSTOMIZE_NEW_MENU 16918
/* The customize button's popup: its name and the item that lists the bars' buttons. */
#define IDS_GT_TOOLBAR_OPTIONS 17017
#define IDS_GT_ADD_REMOVE_BUTTONS 17018
// The tasks pane: its default caption, its navigation commands and their bitmaps.
#define IDS_GT_TASKS_PANE 17019
#define IDS_GT_TASKS_BACK 17020
#define IDS_GT_TASKS_FORWARD 17021
#define IDS_GT_TASKS_HOME 17022
#define IDS_GT_TASKS_CLOSE 17023
#define IDS_GT_TASKS_OTHER_PANES 17024
#define IDB_GT_TASKS_NAVIGATE 17019
// A floating tasks pane's pages button.
#define IDS_GT_TASKS_OTHER_PANE 17025
#define IDB_GT_TASKS_NAVIGATE_LARGE 17052
/* The chevron's item that puts a bar and its sibling on one row or two. */
#define IDS_GT_ONE_ROW 17027
#define IDS_GT_TWO_ROWS 17028
/* The last item of the popup that lists a bar's buttons. */
#define IDS_GT_RESET_TOOLBAR_ITEM 16300
#define IDI_GT_USER_TOOL 16931
/* The items of a bar's docking menu. */
#define IDS_GT_DOCKING_FLOATING 17039
#define IDS_GT_DOCKING_DOCKING 17040
#define IDS_GT_DOCKING_AUTOHIDE 17041
#define IDS_GT_DOCKING_HIDE 17042
/* The tooltips of a docking pane's caption buttons. */
#define IDS_GT_CAPTION_CLOSE 16032
#define IDS_GT_CAPTION_AUTOHIDE 16033
#define IDS_GT_CAPTION_AUTOHIDE_ALL 16036
#define IDS_GT_CAPTION_WINDOW_POSITION 17038
/* Cursors of a dragged toolbar button. */
#define IDC_GT_COPY 16004
#define IDC_GT_NODROP 16133
#define IDC_GT_MOVE 16146
/* The link buttons' hand. */
#define IDC_GT_HAND 16919
/* A document tab dragged inside the MDI client area, and outside it. */
#define IDC_GT_MDI_TAB_INSIDE 17047
#define IDC_GT_MDI_TAB_OUTSIDE 17048
/* The grid: the cursor of a dragged column, the grouping area's prompt and the title of
   the column chooser. */
#define IDC_GT_COLUMN_DRAG 17063
#define IDS_GT_GROUP_PROMPT 17064
#define IDS_GT_FIELD_CHOOSER 17065
/* The print preview's toolbar, the brighter images of its hot buttons, and the command
   whose image the page-count button shows while one page is displayed. */
#define IDR_GT_PRINT_PREVIEW 16960
#define IDB_GT_PRINT_PREVIEW_HOT 16957
#define ID_GT_PREVIEW_ONE_PAGE 16959

#endif
