// Shared script of the information pages: a click on the label of an
// example folds it in or out, so long pages stay easy to scan.
function visSkjul(boks) {
    if (boks.classList.contains("skjult")) {
        boks.classList.remove("skjult");
    } else {
        boks.classList.add("skjult");
    }
}

document.addEventListener("DOMContentLoaded", function () {
    var bokse = document.querySelectorAll(".eksempel");
    for (var i = 0; i < bokse.length; i++) {
        var etiket = bokse[i].querySelector(".etiket");
        if (etiket) {
            etiket.title = "Klik for at folde eksemplet ind eller ud";
            etiket.addEventListener("click", function (e) {
                visSkjul(e.target.parentNode);
            });
        }
    }
});
