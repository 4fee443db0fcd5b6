/* The calls the generated CControls code makes, declared for a desktop compiler: the device
   runtime's and the library's, with the types the dialect gives them. The generated forms file
   includes "Ccontrols.c"; the compiler gate puts this file there under that name. Only the
   declarations are here: the code is checked, not linked. */

typedef char *string;
typedef int Chandle;

/* The runtime */
int graph_on(void);
int title(string text);
int clearg(void);
int event(int wait);
int bitmap(int x, int y, string bits);

/* Making controls and dialog frames */
Chandle Cbutton(int x, int y, int w, int h, int line, int radius);
Chandle Cswitch(int x, int y, int w, int h, int line, int radius);
Chandle Cradio(int x, int y, int w, int h);
Chandle Clabel(int x, int y, int w, int line, int style, int align);
Chandle Clistbox(int x, int y, int w, int visible_items);
Chandle Cdropdown(int x, int y, int w, int visible_items);
Chandle Ccheckbox(int x, int y, int w);
Chandle Cedit(int x, int y, int w, int line, int style, int align);
Chandle Ceditline(int x, int y, int w, int line, int style);
Chandle Cpopup(int x, int y, int w, int visible_items);
Chandle Cimage(int x, int y, int w, int h);
Chandle Ctable(int x, int y, int w, int visible_rows, int cols);
Chandle Cframe(int x, int y, int w, int h);
Chandle Cmenubar(void);
Chandle Cmenu(int x, int w, int topic_width);

/* Filling them */
int Csetrow(Chandle table, int col, int width, int align);
int Csetcontent(Chandle h, string text);
int Csettopic(Chandle h, string topic);
int Csetstate(Chandle h, int state);
int Csetcursel(Chandle h, int item);
int Cadditem(Chandle h, string item);
int Csetfield(Chandle table, int field, string text);
int Caddmenu(Chandle bar, Chandle menu);

/* Drawing and events */
int Cdraw(Chandle h);
int Cevent(Chandle h, int e);
string Cgetcontent(Chandle bar);
