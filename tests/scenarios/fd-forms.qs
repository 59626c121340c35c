# Keeping the standard form and the vertex form in line.
click Fst.Command1
echo "p = 2, q = -1 with a = 1"
type Fd.Text5 2
type Fd.Text6 -1
click Fd.Command4
text Fd.Text3
text Fd.Text4
text Fd.Text5
text Fd.Text6
echo "b = 2, c = -3 with a = 1: the typed texts stay"
type Fd.Text3 2
type Fd.Text4 -3
click Fd.Command4
text Fd.Text3
text Fd.Text4
text Fd.Text5
text Fd.Text6
echo "c alone edited to 5: an edit of the standard form, so the vertex follows"
type Fd.Text4 5
click Fd.Command4
text Fd.Text5
text Fd.Text6
echo "a = 1, p = 1, q = -4, then a = 2 moves the vertex"
type Fd.Text5 1
type Fd.Text6 -4
click Fd.Command4
text Fd.Text3
text Fd.Text4
type Fd.Text2 2
click Fd.Command4
text Fd.Text5
text Fd.Text6
echo "a set to 0 by its slider, b changed: a becomes 0.01"
scroll Fd.VScroll2 -1
scroll Fd.VScroll2 0
text Fd.Text2
type Fd.Text3 1
click Fd.Command4
text Fd.Text2
text Fd.Text5
text Fd.Text6
echo "other texts that read as zero are treated the same way"
type Fd.Text2 0.0
click Fd.Command4
text Fd.Text2
type Fd.Text2 ""
click Fd.Command5
text Fd.Text2
messages
echo "New restores the start but leaves the sliders"
scroll Fd.VScroll2 -3
click Fd.Command2
text Fd.Text2
text Fd.Text3
value Fd.VScroll2
