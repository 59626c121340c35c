# The quadratic function by keyboard alone: open it, move the slider of a, plot.
focus Fst
key Fst Tab Return
windows
key Fd.VScroll2 Up Up
text Fd.Text2
key Fd Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
focus Fd
key Fd Tab
focus Fd
key Fd Return
canvas Fd
key Fd.Text7 Tab
focus Fd
key Fd.Text7 Backtab
focus Fd
key Fd.VScroll1 PgUp Home
text Fd.Text1
key Fd.VScroll1 End
text Fd.Text1
