/* The calls the generated PToolboxLib code makes, declared for a desktop compiler: the
   library's and the device runtime's, with the codes it passes. The generated main file
   includes "Fctl.h"; the compiler gate puts this file there under that name. Only the
   declarations are here: the code is checked, not linked. */

typedef char *string;

/* The codes of Fctl (their values are the library's; any distinct ones serve here) */
#define DRAW 1
#define SHOW 2
#define REPEAT 3

/* Forms, dialogs and controls */
int Form(int id, string title);
int Dialog(int id, int x, int y, int w, int h, string title);
int Button(int id, int style, int x, int y, int w, int h, string text);
int Field(int id, int style, int x, int y, int w, int h, int max_chars, string text);
int List(int id, int x, int y, int w, int max_items, int trigger);
int Label(int id, int x, int y, string text);
int GSI(int x, int y);

/* Filling them, drawing and events */
int FsetState(int id, int state);
int FaddList(int id, int count, string items[]);
int FsetText(int id, string text);
int Fctl(int code, ...);
int Fevent(int wait);

/* Colour */
int UIColor(int slot, int index);
int SetDepth(int depth);
int SetFore(int index);

/* The runtime */
int textattr(int font, int a, int b);
int bitmap(int x, int y, string bits);
int date(int which);
int time(int which);
int PickDate(int kind, int start, string title);
int PickTime(int start, string title);
string DateConv(int value, int format);
string TimeConv(int value, int format);
