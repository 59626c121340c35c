# Graphics of functions as it opens, its sliders, and its way back to the start window.
select Fst.List1 5
click Fst.Command1
windows
text Fe
text Fe.Label1
rows Fe.List1
value Fe.List1
text Fe.Text1
text Fe.Text2
text Fe.Text3
text Fe.Text4
text Fe.Text5
value Fe.Check1
text Fe.Check1
value Fe.VScroll1
value Fe.VScroll2
value Fe.VScroll5
text Fe.Label2
text Fe.Label7
text Fe.Label4
text Fe.Label5
text Fe.Label6
text Fe.Command1
text Fe.Command2
text Fe.Prt
text Fe.Command3
geometry Fe.Picture1
canvas Fe
echo "the coefficient sliders: the top gives 5, the bottom -5; nothing is drawn"
scroll Fe.VScroll2 -5
text Fe.Text2
scroll Fe.VScroll3 5
text Fe.Text3
scroll Fe.VScroll4 -2
text Fe.Text4
scroll Fe.VScroll5 1
text Fe.Text5
canvas Fe
echo "typing does not move the slider"
type Fe.Text5 4
value Fe.VScroll5
echo "the scale slider: 9 at the top, 1 at the bottom; it clears the canvas"
click Fe.Command1
canvas Fe
scroll Fe.VScroll1 9
text Fe.Text1
canvas Fe
click Fe.Command1
scroll Fe.VScroll1 4
text Fe.Text1
canvas Fe
click Fe.Command1
canvas Fe
echo "End shows the start window; the window comes back as it was left"
click Fe.Command3
windows
click Fst.Command1
windows
text Fe.Text1
text Fe.Text2
text Fe.Text5
canvas Fe
