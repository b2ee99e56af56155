/* Identifiers of the looks demo: its menu with one command per look, and a toolbar of three
   commands and a separator with its 16 x 15 images. */
#define IDR_LOOKS_DEMO 0x7E00
#define ID_LOOK_CLASSIC 0x7E10
#define ID_LOOK_OFFICE_XP 0x7E11
#define ID_LOOK_WINDOWS_XP 0x7E12
#define ID_LOOK_OFFICE_2003 0x7E13
#define ID_LOOK_VS2005 0x7E14
#define IDR_LOOKS_DEMO_BAR 0x7E20
#define ID_DEMO_FIRST 0x7E30
#define ID_DEMO_SECOND 0x7E31
#define ID_DEMO_THIRD 0x7E32
