# Experiments of probability as it opens: a fair coin thrown ten times, and the sliders.
select Fst.List1 7
click Fst.Command1
text Ff
text Ff.Label1
text Ff.Label2
text Ff.Label3
text Ff.Label4
text Ff.Label5
text Ff.Label6
text Ff.Frame2
text Ff.Frame3
text Ff.Frame4
text Ff.Command1
text Ff.Command2
text Ff.Command3
text Ff.Text1
text Ff.Text2
text Ff.Text3
text Ff.Text4
text Ff.Text5
text Ff.Text6
text Ff.Text7
text Ff.Text8
value Ff.VScroll1
value Ff.VScroll2
value Ff.VScroll3
value Ff.VScroll4
value Ff.VScroll5
rows Ff.List1
value Ff.List1
rows Ff.List2
value Ff.List2
geometry Ff.Picture1
canvas Ff
echo "each slider one step up"
scroll Ff.VScroll1 9
text Ff.Text1
scroll Ff.VScroll2 10
text Ff.Text2
scroll Ff.VScroll3 5
text Ff.Text3
scroll Ff.VScroll4 100
text Ff.Text4
scroll Ff.VScroll5 99
text Ff.Text5
echo "each slider at the top"
scroll Ff.VScroll1 1
text Ff.Text1
scroll Ff.VScroll2 2
text Ff.Text2
scroll Ff.VScroll3 2
text Ff.Text3
scroll Ff.VScroll4 2
text Ff.Text4
scroll Ff.VScroll5 1
text Ff.Text5
echo "typing does not move a slider"
type Ff.Text4 15
value Ff.VScroll4
echo "a larger window gives a larger canvas; End goes back to the start window"
resize Ff 10080 7365
geometry Ff.Picture1
canvas Ff
click Ff.Command3
windows
